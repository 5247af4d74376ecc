#include "ui/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include "core/numbers.h"
#include "core/tiled_template.h"

namespace korvel {
namespace {

const char* folderKey(SavedFile kind) {
    switch (kind) {
        case SavedFile::Pattern:
            return "folders/dxf";
        case SavedFile::Cad:
            return "folders/cad";
        case SavedFile::Job:
            return "folders/job";
        case SavedFile::CutList:
            return "folders/cutlist";
        case SavedFile::Nest:
            return "folders/nest";
        case SavedFile::Template:
            break;
    }
    return "folders/pdf";
}

QString exportGroup(const std::string& windowName) { return "export/" + QString::fromStdString(windowName); }

// A stored text; empty for a value that is no text (a list, a group).
std::string textAt(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    return value.canConvert<QString>() ? value.toString().toStdString() : std::string();
}

// A stored yes or no as the settings write it ("true", "false"); none for anything else.
std::optional<bool> flagAt(const QSettings& settings, const QString& key) {
    const std::string text = textAt(settings, key);
    if (text == "true") return true;
    if (text == "false") return false;
    return std::nullopt;
}

// A stored thickness, mm: a plain number above 0, as the export dialog takes it.
std::optional<double> thicknessAt(const QSettings& settings, const QString& key) {
    std::optional<double> thickness;
    if (!readPlateThickness(textAt(settings, key), thickness)) return std::nullopt;
    return thickness;
}

void setOrRemove(QSettings& settings, const QString& key, const std::optional<std::string>& text) {
    if (text) settings.setValue(key, QString::fromStdString(*text));
    else settings.remove(key);
}

// A stock as stored: "1500 3000 10 8", width, height, margin and gap in mm.
QString plateText(const Plate& plate) {
    return QString::fromStdString(numberText(plate.width) + " " + numberText(plate.height) + " " +
                                  numberText(plate.margin) + " " + numberText(plate.gap));
}

std::optional<Plate> plateAt(const QSettings& settings, const QString& key) {
    const QStringList parts = QString::fromStdString(textAt(settings, key)).split(u' ');
    if (parts.size() != 4) return std::nullopt;
    double value[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        value[i] = parts[i].toDouble(&ok);
        if (!ok) return std::nullopt;
    }
    const Plate plate{value[0], value[1], value[2], value[3]};
    if (!plateProblem(plate).empty()) return std::nullopt;
    return plate;
}

QString calibrationGroup(CalibratedBy kind) {
    return kind == CalibratedBy::Printer ? QStringLiteral("calibration/printer") : QStringLiteral("calibration/paper");
}

// A printer's name as a key: a slash or a non-ASCII letter would make groups
// or escapes of the settings file's own.
QString nameKey(const std::string& name) {
    return QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(name)));
}

// The measures "100.0 99.2" as a correction; none for anything else.
std::optional<PrintCorrection> correctionAt(const QSettings& settings, const QString& key) {
    const QStringList measures = QString::fromStdString(textAt(settings, key)).split(QLatin1Char(' '));
    if (measures.size() != 2) return std::nullopt;
    return readCalibration(measures[0].toStdString(), measures[1].toStdString()).correction;
}

}  // namespace

std::optional<PrintCorrection> printCorrectionSetting(CalibratedBy kind, const std::string& name) {
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->beginGroup(calibrationGroup(kind));
    return correctionAt(*settings, nameKey(name));
}

void setPrintCorrectionSetting(CalibratedBy kind, const std::string& name,
                               const std::optional<PrintCorrection>& correction) {
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->beginGroup(calibrationGroup(kind));
    setOrRemove(*settings, nameKey(name),
                correction ? std::optional<std::string>(fixedText(correction->measuredX(), 1) + " " +
                                                        fixedText(correction->measuredY(), 1))
                           : std::nullopt);
}

std::vector<std::pair<std::string, PrintCorrection>> printerCorrections() {
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->beginGroup(calibrationGroup(CalibratedBy::Printer));
    std::vector<std::pair<std::string, PrintCorrection>> kept;
    for (const QString& key : settings->childKeys())
        if (const std::optional<PrintCorrection> c = correctionAt(*settings, key))
            kept.emplace_back(QUrl::fromPercentEncoding(key.toLatin1()).toStdString(), *c);
    return kept;
}

std::unique_ptr<QSettings> openSettings() {
    const QString file = qEnvironmentVariable("KORVEL_SETTINGS");
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("korvel"), QStringLiteral("korvel"));
}

QString lastFolder(SavedFile kind) {
    const QString folder = QString::fromStdString(textAt(*openSettings(), folderKey(kind)));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void setLastFolder(SavedFile kind, const QString& folder) { openSettings()->setValue(folderKey(kind), folder); }

std::string templatePaperSetting() {
    const std::optional<PaperSize> paper = paperSize(textAt(*openSettings(), QStringLiteral("template/paper")));
    return paper ? paper->name : "A4";
}

void setTemplatePaperSetting(const std::string& paper) {
    openSettings()->setValue(QStringLiteral("template/paper"), QString::fromStdString(paper));
}

std::optional<ExportOptions> exportOptionsSetting(const std::string& windowName) {
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->beginGroup(exportGroup(windowName));
    if (settings->childKeys().isEmpty()) return std::nullopt;
    ExportOptions options;
    ExportChoices& c = options.choices;
    c.surface = surfaceFromKeyword(textAt(*settings, QStringLiteral("surface")));
    c.plateThickness = thicknessAt(*settings, QStringLiteral("plateThickness"));
    c.joint = jointFromKeyword(textAt(*settings, QStringLiteral("joint")));
    c.mainThickness = thicknessAt(*settings, QStringLiteral("mainThickness"));
    if (const std::string seam = textAt(*settings, QStringLiteral("seam")); !seam.empty()) c.seam = seam;
    const std::string version = textAt(*settings, QStringLiteral("dxfVersion"));
    if (version == "R12") options.files.version = cad::DxfVersion::R12;
    options.files.cutOnly = flagAt(*settings, QStringLiteral("cutOnly")).value_or(false);
    options.files.perPiece = flagAt(*settings, QStringLiteral("perPiece")).value_or(false);
    return options;
}

void setExportOptionsSetting(const std::string& windowName, const ExportOptions& options) {
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->beginGroup(exportGroup(windowName));
    const ExportChoices& c = options.choices;
    const auto number = [](const std::optional<double>& v) {
        return v ? std::optional<std::string>(numberText(*v)) : std::nullopt;
    };
    setOrRemove(*settings, QStringLiteral("surface"),
                c.surface ? std::optional<std::string>(surfaceKeyword(*c.surface)) : std::nullopt);
    setOrRemove(*settings, QStringLiteral("plateThickness"), number(c.plateThickness));
    setOrRemove(*settings, QStringLiteral("joint"),
                c.joint ? std::optional<std::string>(jointKeyword(*c.joint)) : std::nullopt);
    setOrRemove(*settings, QStringLiteral("mainThickness"), number(c.mainThickness));
    setOrRemove(*settings, QStringLiteral("seam"), c.seam);
    // Always written: a window exported once has a group that says so.
    settings->setValue(QStringLiteral("dxfVersion"),
                       options.files.version == cad::DxfVersion::R12 ? QStringLiteral("R12") : QStringLiteral("R2000"));
    settings->setValue(QStringLiteral("cutOnly"), options.files.cutOnly ? "true" : "false");
    settings->setValue(QStringLiteral("perPiece"), options.files.perPiece ? "true" : "false");
}

const Plate& NestChoices::plateFor(double thickness) const {
    for (const auto& [t, p] : stock)
        if (t == thickness) return p;
    return plate;
}

NestChoices nestChoicesSetting() {
    const std::unique_ptr<QSettings> settings = openSettings();
    NestChoices choices;
    choices.plate = plateAt(*settings, QStringLiteral("nest/plate")).value_or(platePresets()[1]);
    settings->beginGroup(QStringLiteral("nest/stock"));
    for (const QString& key : settings->childKeys()) {
        bool ok = false;
        const double thickness = key.toDouble(&ok);
        if (const std::optional<Plate> plate = plateAt(*settings, key); ok && thickness >= 0 && plate)
            choices.stock.emplace_back(thickness, *plate);
    }
    settings->endGroup();
    const int rotations = QString::fromStdString(textAt(*settings, QStringLiteral("nest/rotations"))).toInt();
    if (rotations >= 1 && rotations <= 360) choices.rotations = rotations;
    bool ok = false;
    const double seam = QString::fromStdString(textAt(*settings, QStringLiteral("nest/seam"))).toDouble(&ok);
    if (ok && seam >= 0) choices.seam = seam;
    if (textAt(*settings, QStringLiteral("nest/dxfVersion")) == "R12") choices.files.version = cad::DxfVersion::R12;
    choices.files.cutOnly = flagAt(*settings, QStringLiteral("nest/cutOnly")).value_or(false);
    return choices;
}

void setNestChoicesSetting(const NestChoices& choices) {
    const std::unique_ptr<QSettings> settings = openSettings();
    settings->setValue(QStringLiteral("nest/plate"), plateText(choices.plate));
    for (const auto& [thickness, plate] : choices.stock)
        settings->setValue(QStringLiteral("nest/stock/") + QString::fromStdString(numberText(thickness)),
                           plateText(plate));
    settings->setValue(QStringLiteral("nest/rotations"), choices.rotations);
    settings->setValue(QStringLiteral("nest/seam"), QString::fromStdString(numberText(choices.seam)));
    settings->setValue(QStringLiteral("nest/dxfVersion"), choices.files.version == cad::DxfVersion::R12
                                                              ? QStringLiteral("R12")
                                                              : QStringLiteral("R2000"));
    settings->setValue(QStringLiteral("nest/cutOnly"), choices.files.cutOnly ? "true" : "false");
}

QStringList recentJobs() {
    const QVariant value = openSettings()->value(QStringLiteral("jobs/recent"));
    QStringList kept;
    for (const QString& path : value.toStringList())
        if (!path.isEmpty() && QFileInfo(path).isFile() && !kept.contains(path) && kept.size() < kRecentJobs)
            kept << path;
    return kept;
}

void addRecentJob(const QString& path) {
    QStringList paths = recentJobs();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    while (paths.size() > kRecentJobs) paths.removeLast();
    openSettings()->setValue(QStringLiteral("jobs/recent"), paths);
}

std::optional<Language> languageSetting() {
    return languageNamed(textAt(*openSettings(), QStringLiteral("ui/language")));
}

bool setLanguageSetting(std::string_view code) {
    const std::optional<Language> language = languageNamed(code);
    if (!language) return false;
    openSettings()->setValue(QStringLiteral("ui/language"), QString::fromUtf8(languageCode(*language)));
    return true;
}

}  // namespace korvel
