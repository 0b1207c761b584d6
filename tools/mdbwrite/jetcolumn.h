#pragma once

// A column as the file format sees it: type code, size and descriptor flags.

#include <cstdint>
#include <string>

namespace mdbwrite {

enum class JetType : uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0A,
    Ole = 0x0B,
    Memo = 0x0C,
};

// Bytes a value takes in the row's fixed area (Booleans live in the null mask: 0).
uint16_t fixedSize(JetType type);
bool isVariable(JetType type);
// Memo and OLE values are stored through a 12-byte long-value header.
bool isLongValue(JetType type);

struct JetColumn {
    std::string name;        // UTF-8
    JetType type = JetType::Long;
    uint16_t length = 0;     // descriptor length: bytes of Text/Binary, fixed size, 0 for long values
    uint8_t flags = 0;       // 0x01 fixed length, 0x02 updatable, 0x10 and 0x20 on system columns
    bool compressible = false;
    bool sortOrder = false;  // carries the "General" sort order in its descriptor

    // An ordinary column of a user table; Text takes its maximum number of characters.
    static JetColumn user(std::string name, JetType type, uint16_t maxChars = 0);
};

} // namespace mdbwrite
