#include "shell/KeyHelp.h"

#include "model/Translate.h"

namespace fup {

std::vector<std::string> keyHelpLines()
{
    // The columns line up in a fixed-pitch font; an empty entry is an empty line (and
    // must not reach the catalogue, whose empty key is its header).
    static constexpr const char* Lines[] = {
        txKey("********** TastenBelegung ***********"),
        "",
        txKey("RechteMausTaste(in Fenster) = Hilfe Aus"),
        "",
        txKey("ESC = Select-Rahmen loeschen"),
        "",
        txKey("X = CUT   (Ausschneiden)"),
        txKey("C = COPY  (Kopieren    )"),
        txKey("V = PASTE (Einfuegen    )"),
        "",
        txKey("Z = UNDO "),
        txKey("Y = REDO "),
        txKey("S = SAVE -> UNDO"),
        "",
        txKey("F = Finde Baustein"),
        "",
        txKey("Pfeil links   = scroll links"),
        txKey("Pfeil rechts  = scroll rechts"),
        txKey("Pfeil oben    = scroll oben"),
        txKey("Pfeil unten   = scroll unten"),
        txKey("STRG+Pfeil li.= scroll links (BlattGroesse)"),
        txKey("STRG+Pfeil re.= scroll rechts(BlattGroesse)"),
        txKey("STRG+Pfeil ob.= scroll oben  (BlattGroesse)"),
        txKey("STRG+Pfeil un.= scroll unten (BlattGroesse)"),
        "",
        txKey("+ = ZOOM IN  (naeher ran )"),
        txKey("- = ZOOM OUT (weiter weg)"),
        txKey("Bild->oben  = SeitenEbene rauf"),
        txKey("Bild->unten = SeitenEbene runter"),
        txKey("Pos1 = Selektierte Objekte: Nummer +1"),
        txKey("Ende = Selektierte Objekte: Nummer -1"),
        txKey("--Kommentar an AusgangsSignalen(Linien):"),
        txKey("STRG+LinkeMausTaste = Kommentar neu"),
        txKey("ALT+LinkeMausTaste  = Kommentar ein/aus"),
        txKey("SHIFT+LinkeMausTaste = Signal/Linien-Verfolgung zu anderen Seiten"),
        txKey("F7 = Simulieren(SingleStep)"),
    };
    std::vector<std::string> lines;
    for (const char* line : Lines)
        lines.push_back(*line ? tx(line) : std::string());
    return lines;
}

} // namespace fup
