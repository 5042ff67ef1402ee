#include "persistence/ProgramWriter.h"

#include "model/Document.h"
#include "persistence/Numbers.h"
#include "persistence/RecordWriter.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

namespace fup {

namespace {

void writeProject(Out& out, const ProgramSettings& s)
{
    out << "  (PROJEKTINFO\n";
    out << "    (PROJEKTNAME    ";
    out.quoted(s.projectName) << ")\n";
    out << "    (BEARBEITER     ";
    out.quoted(s.author) << ")\n";
    out << "    (PROJEKTVERSION ";
    out.quoted(s.processVersion) << ")\n";
    out << "    (SAVEDATUM      ";
    out.quoted(s.saveDate) << ")\n";
    out << "    (COMPILEDATUM   ";
    out.quoted(s.compileDate) << ")\n";
    out << "    (ZYKLUSZEIT     ";
    out.quoted(formatDecimal(s.cycleTimeMs)) << ")\n";
    out << "    (DATENDIR       ";
    out.quoted(s.dataDirectory.string()) << ")\n";
    out << "    (OPTIMIERT      ";
    out.quoted(std::to_string(s.optimisationLevel)) << ")\n";
    out << "    (TARGET         ";
    out.quoted(std::to_string(s.target)) << ")\n";
    out << "    (COMPORT        ";
    out.quoted(s.comPort) << ")\n";
    out << "    (TEMPVARINFO    ";
    out.flag(s.useTempVars) << ' ';
    out.quoted(s.digitalTempName) << ' ';
    out.quoted(s.fixedTempName) << ")\n";
    out << "    (KOMMENTAR      ";
    out.quoted(s.comment) << ")\n";
    out << "  )\n";
}

void writeView(Out& out, const Document& doc, const ProgramSettings& s)
{
    out << "  (VIEWINFO\n";
    out << "    (PAGE  " << doc.currentSheet() << " )\n";
    out << "    (ZOOM  " << doc.zoom() << " )\n";
    out << "    (SCROL " << doc.scrollX() << ' ' << doc.scrollY() << ' ' << s.scrollRangeX << ' '
        << s.scrollRangeY << " )\n";
    out << "  )\n";
}

void writeSheets(Out& out, const Document& doc)
{
    out << "  (SEITEN\n";
    for (int k = 1; k <= doc.sheetCount(); ++k) {
        out << "    (SEITE ";
        out.quoted(doc.sheet(k).name) << " )\n";
    }
    out << "  )\n";
}

} // namespace

bool pinsWrittenWithLayout(int type)
{
    return type == 81 || type == 82 || isMacroOrAutomat(type);
}

WritePlan planElements(const Document& doc)
{
    WritePlan plan;
    plan.order.reserve(doc.kanten().size());
    std::unordered_set<const TKante*> byName;
    for (const TKiste* b : doc.blocks()) {
        if (b->pins.empty())
            continue;
        // Each pin of the catalogue layout is matched once, in pin order, by kind and
        // name: that is how the reader finds it again.
        std::vector<PinTemplate> templates;
        if (!pinsWrittenWithLayout(b->type))
            templates = pinLayout(b->type, b->n, b->m).pins;
        for (TKante* p : b->pins) {
            if (!p->alive())
                continue;
            const auto match = std::find_if(templates.begin(), templates.end(), [p](const PinTemplate& t) {
                return t.kind == p->kind && t.name == p->name;
            });
            if (match == templates.end()) {
                plan.withLayout.insert(p);
                continue;
            }
            templates.erase(match);
            if (byName.insert(p).second)
                plan.order.push_back(p);
        }
    }
    for (TKante* e : doc.kanten()) {
        if (e->alive() && !byName.contains(e))
            plan.order.push_back(e);
    }
    return plan;
}

std::string formatSaveDate(int year, int month, int day, int hour, int minute, int second)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d  %02d:%02d:%02d", day, month, year, hour, minute,
                  second);
    return buffer;
}

std::string writeProgram(Document& doc, const ProgramSettings& settings, const std::string& fileName)
{
    int index = 0;
    for (TKiste* b : doc.blocks())
        b->saveIndex = ++index;
    const WritePlan plan = planElements(doc);
    int number = 0;
    for (TKante* e : plan.order)
        e->saveNumber = ++number;

    // About 250 characters per block and 120 per wire element.
    Out out(2048 + doc.blocks().size() * 260 + plan.order.size() * 130);
    out << "(VERSION " << ProgramFileVersion << " )\n";
    out << "(SPSFILE ";
    out.quoted(fileName) << '\n';
    writeProject(out, settings);
    writeView(out, doc, settings);
    writeSheets(out, doc);
    out << "  (TEXTE\n";
    for (const auto& t : doc.texts())
        writeTextRecord(out, *t, {t->x, t->y, t->sheet});
    out << "  )\n";
    out << "  (KISTEN\n";
    for (const TKiste* b : doc.blocks())
        writeBlockRecord(out, *b, {b->x, b->y, b->sheet, b->connected});
    out << "  )\n";
    out << "  (KANTEN\n";
    for (const TKante* e : plan.order)
        writeElementRecord(out, *e, plan.withLayout.contains(e), {e->x, e->y, e->sheet, e->commentFlag});
    out << "  )\n";
    out << ")\n";
    return out.take();
}

} // namespace fup
