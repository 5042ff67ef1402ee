#include "persistence/ProgramReader.h"

#include "model/Document.h"
#include "model/Reporter.h"
#include "model/Translate.h"
#include "persistence/DiagramReader.h"
#include "persistence/Numbers.h"

#include <algorithm>
#include <filesystem>

namespace fup {

namespace {

// The project section as the file has it, before the rules decide what is taken.
struct ProjectSection {
    std::string projectName;
    std::string author;
    std::string processVersion;
    std::string saveDate;
    std::string compileDate;
    std::string cycleTime;
    std::string dataDirectory;
    std::string optimisation;
    std::optional<std::string> target;
    std::optional<std::string> comPort;
    std::optional<bool> useTempVars;
    std::string digitalTempName;
    std::string fixedTempName;
    std::string comment;
};

struct ViewSection {
    int page = 1;
    int zoom = InitialZoom;
    int scrollX = 0;
    int scrollY = 0;
    int rangeX = 0;
    int rangeY = 0;
};

// Reads one "(KEYWORD "text")" entry of the project section.
std::string projectText(ReadSteps& steps, Tok code, std::string_view missing, std::string_view noText)
{
    steps.section(code, missing);
    const auto text = steps.text(noText);
    return text ? std::string(*text) : std::string();
}

// Returns true when the section after the project section has been taken already
// (a file without comment entry, whose next section is the view section).
bool readProject(ReadSteps& steps, ProjectSection& p)
{
    p.projectName = projectText(steps, Tok::PROJEKTNAME, "PROJEKTNAME erwartet", "kein ProjektName");
    p.author = projectText(steps, Tok::BEARBEITER, "BEARBEITER erwartet", "kein Bearbeiter");
    p.processVersion =
        projectText(steps, Tok::PROJEKTVERSION, "PROJEKTVERSION erwartet", "keine ProjektVersion");
    p.saveDate = projectText(steps, Tok::SAVEDATUM, "SAVEDATUM erwartet", "kein SaveDatum");
    p.compileDate = projectText(steps, Tok::COMPILEDATUM, "COMPILEDATUM erwartet", "kein CompileDatum");
    p.cycleTime = projectText(steps, Tok::ZYKLUSZEIT, "ZYKLUSZEIT erwartet", "keine Zykluszeit");
    p.dataDirectory = projectText(steps, Tok::DATENDIR, "DATENDIR erwartet", "ohne DatenDir");
    p.optimisation = projectText(steps, Tok::OPTIMIERT, "OPTIMIERT erwartet", "kein optimiert-Flag");

    Tok code = steps.nextSection();
    if (code == Tok::TARGET) {
        if (const auto t = steps.text("kein target"))
            p.target = std::string(*t);
        code = steps.nextSection();
    }
    if (code == Tok::COMPORT) {
        if (const auto t = steps.text("kein ComPort String"))
            p.comPort = std::string(*t);
        code = steps.nextSection();
    }
    if (code == Tok::TEMPVARINFO) {
        p.useTempVars = steps.flag("useTempVars");
        if (const auto t = steps.text("kein DigTempVarName String"))
            p.digitalTempName = std::string(*t);
        if (const auto t = steps.text("kein AnaTempVarName String"))
            p.fixedTempName = std::string(*t);
        code = steps.nextSection();
    }
    if (!steps.ok())
        return false;
    if (code != Tok::KOMMENTAR) {
        steps.reporter().box(tx("Kommentar erwartet"));
        // Without the comment entry the section found is the view section: reading
        // goes on with it instead of stumbling over it.
        if (code == Tok::VIEWINFO)
            return true;
    }
    if (const auto t = steps.text("kein Kommentar"))
        p.comment = std::string(*t);
    return false;
}

void readView(ReadSteps& steps, ViewSection& v, bool viewTaken)
{
    if (!viewTaken)
        steps.section(Tok::VIEWINFO, "ViewInfo erwartet");
    steps.section(Tok::PAGE, "PAGE erwartet");
    const auto page = steps.integer("aktuelleSeite");
    steps.section(Tok::ZOOM, "ZOOM erwartet");
    const auto zoom = steps.integer("zoomFaktor");
    steps.section(Tok::SCROL, "SCROL erwartet");
    const auto h = steps.integer("horzScrollPos");
    const auto vpos = steps.integer("vertScrollPos");
    const auto hr = steps.integer("horzScrolRange");
    const auto vr = steps.integer("vertScrolRange");
    if (!steps.ok())
        return;
    v = {*page, *zoom, *h, *vpos, *hr, *vr};
}

void readSheets(ReadSteps& steps, Document& doc)
{
    int count = 0;
    for (;;) {
        const Token t = steps.next();
        if (t.code != Tok::Open) {
            if (steps.ok() && t.code != Tok::Close)
                steps.fail("seitenEnde ohne )");
            return;
        }
        steps.expect(Tok::SEITE, "SEITE erwartet");
        const auto name = steps.text("kein SeitenName");
        steps.expect(Tok::Close, "kein )nach SeitenText");
        if (!steps.ok())
            return;
        if (count >= MaxSheets)
            continue;
        // The name is kept exactly as stored; the editor cleaned it when it was entered.
        if (++count > 1)
            doc.appendSheet("");
        doc.sheet(count).name = std::string(*name);
    }
}

// The directory part of a stored file name, with its separator; names from other
// installations may use "\" or "/".
std::string directoryOf(std::string_view fileName)
{
    const auto cut = fileName.find_last_of("\\/");
    return cut == std::string_view::npos ? std::string() : std::string(fileName.substr(0, cut + 1));
}

// For comparing directories: one separator style, a trailing separator, upper case.
std::string comparable(std::string dir)
{
    std::replace(dir.begin(), dir.end(), '\\', '/');
    if (!dir.empty() && dir.back() != '/')
        dir.push_back('/');
    for (char& c : dir)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return dir;
}

std::string withSeparator(std::string dir)
{
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\')
        dir.push_back('/');
    return dir;
}

void applyDataDirectory(const ProjectSection& p, const std::string& fileName, ProgramSettings& s,
                        Reporter& reporter)
{
    if (s.ideDriven)
        return;
    std::error_code ec;
    const std::string& stored = p.dataDirectory;
    const bool sameProgram = comparable(directoryOf(fileName)) == comparable(s.programDirectory.string());
    if (!sameProgram || stored.empty() || !std::filesystem::is_directory(stored, ec)) {
        s.dataDirectory = s.programDirectory;
    } else if (withSeparator(stored) != withSeparator(s.dataDirectory.string())) {
        reporter.log("Daten-Verzeichnis(aus Grafik-Datei): " + stored + "  wird genutzt !");
        reporter.box(tx("Daten-Verzeichnis(aus Grafik-Datei)") + ": " + stored + "   " +
                     tx("wird genutzt !"));
        s.dataDirectory = withSeparator(stored);
    }
    s.dataDirectory = cleanEnteredText(s.dataDirectory.string());
}

void applyProject(const ProjectSection& p, const std::string& fileName, ProgramSettings& s,
                  Reporter& reporter)
{
    if (s.target == -1) {
        if (!p.target) {
            reporter.box(tx("Datei ohne Ziel-System ..default=TQ801"));
            s.target = 0;
        } else {
            const auto target = parseFileInteger(*p.target);
            // Only numbers of the target table; anything else would index past it.
            if (target && *target >= -1 && *target <= 10) {
                s.target = *target;
            } else {
                reporter.box(tx("ungueltiges Ziel-System in Datei ..default=TQ801"));
                s.target = 0;
            }
        }
    } else if (!p.target) {
        reporter.box(tx("Datei ohne Ziel-System ..default=TQ801"));
    }
    if (p.comPort)
        s.comPort = *p.comPort;
    if (p.useTempVars) {
        s.useTempVars = *p.useTempVars;
        s.digitalTempName = p.digitalTempName;
        s.fixedTempName = p.fixedTempName;
    }

    applyDataDirectory(p, fileName, s, reporter);

    if (s.cycleTimeMs == 0.0) {
        const auto cycle = parseDecimal(p.cycleTime.empty() ? std::string_view("100") : p.cycleTime);
        // 0 is the editor's "not set" and is caught by the compile check; a negative
        // time would turn every time constant negative.
        if (cycle && *cycle >= 0.0) {
            s.cycleTimeMs = *cycle;
        } else {
            reporter.box(tx("ungueltige Zykluszeit in Datei ..default=100"));
            s.cycleTimeMs = 100.0;
        }
    }
    const auto level = parseFileInteger(p.optimisation);
    if (level && *level >= 0 && *level <= 2) {
        s.optimisationLevel = *level;
    } else {
        reporter.box(tx("ungueltiger CompileMode in Datei ..default=optimieren"));
        s.optimisationLevel = 0;
    }

    if (!s.projectNameFixed)
        s.projectName = p.projectName;
    s.author = p.author;
    s.processVersion = p.processVersion;
    s.saveDate = p.saveDate;
    s.compileDate = p.compileDate;
    s.comment = p.comment;
}

// The body of the read; false on any failure. The settings are a working copy that
// the caller keeps only when the whole read succeeds.
bool readAll(Document& doc, ProgramSettings& settings, ReadSteps& steps, ReadResult& result)
{
    Reporter& reporter = doc.reporter();
    doc.setScroll(0, 0);

    Tok code = steps.firstSectionAfterVersion(result.fileVersion);
    if (!steps.ok())
        return false;
    reporter.log("File-Version= " + std::to_string(result.fileVersion));

    if (code != Tok::SPSFILE) {
        steps.fail("SPSFILE erwartet");
        return false;
    }
    if (const auto name = steps.text("kein DateiName"))
        result.fileName = std::string(*name);

    ProjectSection project;
    if (!steps.section(Tok::PROJEKTINFO, "PROJEKTINFO erwartet"))
        return false;
    const bool viewTaken = readProject(steps, project);
    if (!steps.ok()) {
        steps.summary("Fehlerhafte SPS_Datei(ProjektInfo)");
        return false;
    }
    applyProject(project, result.fileName, settings, reporter);

    ViewSection view;
    readView(steps, view, viewTaken);
    if (!steps.ok()) {
        steps.summary("Fehlerhafte SPS_Datei(ViewInfo)");
        return false;
    }

    if (!steps.section(Tok::SEITEN, "SEITEN erwartet"))
        return false;
    readSheets(steps, doc);
    if (!steps.ok()) {
        steps.summary("Fehlerhafte SPS_Datei(SeitenInfo)");
        return false;
    }

    DiagramReader diagram(doc, steps, result.fileVersion);
    if (!diagram.readBody(steps.nextSection(),
                          {txKey("KISTEN erwartet"), txKey("Fehlerhafte SPS_Datei(kisten)"), txKey("KANTEN erwartet"),
                           txKey("Fehlerhafte SPS-Datei(kanten)"), txKey("Fehlerhafte SPS-Datei(initKanten)")}))
        return false;

    // The view: a page that names no sheet (a damaged file) would leave nothing to show.
    int page = view.page;
    if (page < FirstInstanceNumber && (page < 1 || page > doc.sheetCount()))
        page = 1;
    doc.setCurrentSheet(page);
    doc.setZoom(view.zoom);
    doc.setScroll(view.scrollX, view.scrollY);
    if (page >= FirstInstanceNumber) {
        TKiste* mother = doc.ownerOfInside(page);
        if (!mother) {
            steps.fail("..Mutter-Makro(openSPS) nicht gefunden");
            return false;
        }
        doc.setMother(mother);
        doc.setNestingDepth(doc.nestingDepthOf(page));
    }
    doc.renumber();

    settings.scrollRangeX = view.rangeX;
    settings.scrollRangeY = view.rangeY;
    return true;
}

} // namespace

ReadResult readProgram(Document& doc, ProgramSettings& settings, std::string_view text)
{
    doc.clear();
    ReadResult result;
    ReadSteps steps(text, doc.reporter());
    ProgramSettings work = settings;
    result.ok = readAll(doc, work, steps, result) && steps.ok();
    if (!result.ok) {
        doc.clear();
        return result;
    }
    settings = std::move(work);
    return result;
}

} // namespace fup
