#include "output/template_pdf.h"

#include <QBuffer>
#include <QHashSeed>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cctype>
#include <cerrno>
#include <mutex>

#include "output/atomic_file.h"

namespace korvel {
namespace {

QPageSize qtPageSize(const TiledTemplate& tiles) {
    const PaperSize& paper = tiles.paper;
    // A roll's page: as wide as the roll, as long as its template.
    if (paper.roll)
        return QPageSize(QSizeF(tiles.pageWidth, tiles.pageHeight), QPageSize::Millimeter,
                         QString::fromStdString(paper.name), QPageSize::ExactMatch);
    if (paper.name == "A4") return QPageSize(QPageSize::A4);
    if (paper.name == "A3") return QPageSize(QPageSize::A3);
    if (paper.name == "A2") return QPageSize(QPageSize::A2);
    if (paper.name == "A1") return QPageSize(QPageSize::A1);
    if (paper.name == "A0") return QPageSize(QPageSize::A0);
    if (paper.name == "Letter") return QPageSize(QPageSize::Letter);
    return QPageSize(QSizeF(paper.width, paper.height), QPageSize::Millimeter, QString::fromStdString(paper.name));
}

// The date Qt writes into the document information, fixed in place (same
// length, so that the cross-reference offsets stay right).
void fixCreationDate(QByteArray& pdf) {
    static const QByteArray key = "/CreationDate (D:";
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        const qsizetype start = at + key.size();
        const char fixed[] = "20000101000000";
        qsizetype i = start;
        for (size_t k = 0; k + 1 < sizeof fixed && i < pdf.size() && std::isdigit(static_cast<unsigned char>(pdf[i]));
             ++k, ++i)
            pdf[i] = fixed[k];
        // The zone, "+01'00'" or "Z": its digits to zero.
        for (; i < pdf.size() && pdf[i] != ')'; ++i)
            if (std::isdigit(static_cast<unsigned char>(pdf[i]))) pdf[i] = '0';
    }
}

}  // namespace

QByteArray steadyPdf(const QString& title, const QPageLayout& layout, int dotsPerInch,
                     const std::function<bool(QPdfWriter&)>& paint) {
    // The faces go into the file in the order of a hash table: with the
    // process's random seed that order, and so the bytes, would change from
    // run to run. The fixed seed holds for the tables made while the file is
    // written. The seed is the process's: files written at once on two
    // threads take turns, so that one's end cannot unfix the other's seed.
    static std::mutex seedInUse;
    const std::lock_guard<std::mutex> turn(seedInUse);
    QHashSeed::setDeterministicGlobalSeed();
    struct Reseed {
        ~Reseed() { QHashSeed::resetRandomGlobalSeed(); }
    } reseed;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(dotsPerInch);
        writer.setCreator(QStringLiteral("Korvel"));
        writer.setTitle(title);
        // Metadata of our own: the one Qt makes up carries the time and a random identifier.
        writer.setDocumentXmpMetadata(QByteArrayLiteral(
            "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
            "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
            "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
            "<rdf:Description rdf:about='' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
            "<xmp:CreatorTool>Korvel</xmp:CreatorTool>\n"
            "</rdf:Description>\n"
            "</rdf:RDF>\n"
            "</x:xmpmeta>\n"
            "<?xpacket end='w'?>"));
        writer.setPageLayout(layout);
        if (!paint(writer)) throw cad::SaveError("cannot paint the pages", EIO);
    }
    QByteArray pdf = buffer.data();
    fixCreationDate(pdf);
    return pdf;
}

QByteArray templatePdf(const PrintedTemplate& t, const PageProgress& progress) {
    return steadyPdf(QString::fromStdString(t.pattern.pattern.fitting + " 1:1 样板"),
                     QPageLayout(qtPageSize(t.tiles),
                                 t.tiles.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                 QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter),
                     1200, [&t, &progress](QPdfWriter& writer) { return paintTemplate(t, writer, progress); });
}

void saveTemplatePdf(const PrintedTemplate& t, const std::string& path, const PageProgress& progress) {
    if (path.empty()) throw cad::SaveError("no file name", ENOENT);
    const QByteArray pdf = templatePdf(t, progress);
    // The last moment a cancel still leaves the file as it was.
    if (progress.cancelled()) throw Cancelled();
    cad::saveFileBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
}

}  // namespace korvel
