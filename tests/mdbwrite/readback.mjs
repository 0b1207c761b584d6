// Prints what mdb-reader reads from a .mdb file as JSON: the password, then every user table
// with its row count, columns and rows (Dates as ISO text, Currency as text).
import MDBReader from "mdb-reader";
import { readFileSync } from "node:fs";

const reader = new MDBReader(readFileSync(process.argv[2]));
const tables = reader.getTableNames().map((name) => {
    const table = reader.getTable(name);
    const columns = table.getColumns().map(({ name, type, size }) => ({ name, type, size }));
    const rows = table.getData().map((row) => columns.map((column) => row[column.name]));
    return { name, rowCount: table.rowCount, columns, rows };
});
process.stdout.write(JSON.stringify({ password: reader.getPassword(), tables }));
