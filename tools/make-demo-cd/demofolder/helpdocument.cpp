#include "demofolder/helpdocument.h"

#include "demofolder/outputfiles.h"

#include <QBuffer>
#include <QFont>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>

namespace demofolder {

namespace {

const char Guide[] = R"html(
<h1>Funciones del programa colaborador</h1>
<p>Este programa le permite consultar el catálogo de inmuebles de nuestra agencia
desde la carpeta que le hemos entregado. No modifica el catálogo: puede usarlo
con tranquilidad tantas veces como quiera.</p>

<h2>Buscar inmuebles</h2>
<p>Elija un <b>tipo</b> de propiedad, una <b>ciudad</b> y, si lo desea, una
<b>zona</b> de esa ciudad. Puede indicar un precio mínimo y un precio máximo y
marcar <b>Piscina</b> para ver solo los inmuebles con piscina privada o
comunitaria. Pulse <b>Buscar</b>.</p>

<h2>Resultados</h2>
<p>Los inmuebles encontrados se muestran de doce en doce, del más económico al
más caro, con su foto y su precio. Los inmuebles sin precio indican
<i>Consultar</i>. Use la barra inferior para pasar de página.</p>

<h2>Ficha del inmueble</h2>
<p>Pulse sobre una foto para abrir la ficha: tipo, ciudad, zona, precio,
referencia, distribución, superficies y calidades. Con los botones de
<b>Fichas</b> recorre los demás inmuebles de la búsqueda sin volver a los
resultados, y con los de <b>Fotos</b> las fotos del inmueble.</p>

<h2>Ver las fotos</h2>
<p><b>AMPLIAR FOTO</b> abre el visor a pantalla completa. Puede ver las fotos
una a una, ampliarlas o reducirlas, verlas en presentación automática o en
cuadrícula con los datos del inmueble. Haga doble clic en una foto para volver
a la ficha con esa foto.</p>

<h2>Extraer fotos</h2>
<p>El menú <b>Extraer Fotos</b> de la ficha copia todas las fotos del inmueble
en la carpeta que usted elija, con la referencia del inmueble en el nombre de
cada archivo, para que pueda enviarlas o publicarlas.</p>

<p>Para cualquier duda, póngase en contacto con nuestra agencia.</p>
)html";

// The writer stamps the local time of writing, with "Z" or a "+hh'mm'"
// zone. A fixed stamp of the same length keeps the cross-reference offsets
// valid.
void fixCreationDate(QByteArray &pdf)
{
    static const QRegularExpression stamp(
        QStringLiteral(R"(/CreationDate \(D:\d{14}(Z|[+-]\d\d'\d\d')\))"));
    const QRegularExpressionMatch match = stamp.match(QString::fromLatin1(pdf));
    if (!match.hasMatch())
        return;
    const QByteArray zone = match.capturedLength(1) == 1 ? "Z" : "+00'00'";
    pdf.replace(match.capturedStart(), match.capturedLength(),
                "/CreationDate (D:20240101120000" + zone + ")");
}

QByteArray renderGuide()
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Funciones del programa colaborador"));
    writer.setCreator(QStringLiteral("make-demo-cd"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setResolution(300);

    QTextDocument guide;
    guide.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    guide.setHtml(QString::fromUtf8(Guide));
    guide.print(&writer);
    return pdf;
}

} // namespace

void writeHelpDocument(const QString &path)
{
    // The writer keeps its fonts in a hash and writes them in hash order;
    // with the process's random hash seed that order, and so the bytes,
    // would change from run to run.
    QHashSeed::setDeterministicGlobalSeed();
    QByteArray pdf = renderGuide();
    QHashSeed::resetRandomGlobalSeed();
    fixCreationDate(pdf);
    writeBytes(path, pdf);
}

} // namespace demofolder
