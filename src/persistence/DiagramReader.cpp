// Comment-text and block records of diagram texts.
#include "persistence/DiagramReader.h"

#include "model/Catalogue.h"
#include "model/Document.h"
#include "model/Reporter.h"
#include "model/StructuredTextPins.h"
#include "model/Translate.h"
#include "persistence/Numbers.h"

#include <climits>

namespace fup {

namespace {

// Limits that keep corrupt numbers away from the arithmetic of drawing and layout.
constexpr int MaxCount = 1000; // pins per side, far above the 32 (300 for ST) in use

} // namespace

bool DiagramReader::readRecords(const char* missingClose, bool (DiagramReader::*readOne)())
{
    for (;;) {
        const Token open = steps_.next();
        if (open.code == Tok::Close)
            return true;
        if (open.code != Tok::Open) {
            steps_.fail(missingClose);
            return false;
        }
        if (!(this->*readOne)())
            return false;
    }
}

bool DiagramReader::readTexts()
{
    return readRecords("TextenEnde ohne )", &DiagramReader::readOneText);
}

bool DiagramReader::readBlocks()
{
    return readRecords("kistenEnde ohne )", &DiagramReader::readOneBlock);
}

bool DiagramReader::readKanten()
{
    return readRecords("kantenEnde ohne )", &DiagramReader::readOneElement);
}

bool DiagramReader::readOneText()
{
    steps_.expect(Tok::TEXT, "TEXT erwartet");
    const auto x = steps_.integer("X-Pos");
    const auto y = steps_.integer("Y-Pos");
    const auto sheet = steps_.integer("Z-Pos");
    int style = 0; // old files have no style: normal size, black
    std::string body;
    const Token t = steps_.next();
    if (t.code == Tok::Word) {
        // Files of the present version: the style, then the text.
        const auto read = parseFileInteger(t.text);
        if (!read)
            steps_.fail("ungültige Textgröße");
        else
            style = *read;
        if (const auto text = steps_.text("kein Text"))
            body = std::string(*text);
    } else if (t.code == Tok::Text) {
        body = std::string(t.text);
    } else {
        steps_.fail("kein Text");
    }
    steps_.expect(Tok::Close, "kein )nach Text");
    if (!steps_.ok())
        return false;

    // A position that the origin or the file made negative would be taken for "the
    // default position" by the factory; a text keeps what it was given.
    TTexte& text = doc_.createText(0, 0, *sheet, false, false);
    text.x = placement_.placedX(*x, *sheet);
    text.y = placement_.placedY(*y, *sheet);
    text.setStyle(style);
    text.text = std::move(body);
    text.selected = placement_.pasting;
    return true;
}

bool DiagramReader::readOneBlock()
{
    steps_.expect(Tok::KISTE, "KISTE erwartet");
    const auto index = steps_.integer("Kisten_Nr", INT_MIN, INT_MAX);
    const auto name = steps_.text("kein KistenName");
    steps_.section(Tok::TYP, "TYP erwartet");
    const auto type = steps_.integer("KistenTyp", INT_MIN, INT_MAX);
    const auto n = steps_.integer("inPinAnzahl", 0, MaxCount);
    const auto m = steps_.integer("outPinAnzahl", 0, MaxCount);
    steps_.section(Tok::FLIP, "FLIP erwartet");
    const auto flags = steps_.integer("KisteFlipped", INT_MIN, INT_MAX);

    int childPage = 0;
    int viewX = 0;
    int viewY = 0;
    std::string lock;
    bool connected = false;
    Tok code = steps_.nextSection();
    if (code == Tok::KINDERSEITE) {
        const auto page = steps_.integer("macro:childPage");
        const auto h = steps_.integer("macro:horzPos");
        const auto v = steps_.integer("macro:vertPos");
        if (steps_.ok()) {
            childPage = *page;
            viewX = *h;
            viewY = *v;
            if (!placement_.pasting && childPage >= doc_.instanceCounter())
                doc_.setInstanceCounter(childPage + 1);
        }
        code = steps_.nextSection();
        if (code == Tok::LOCK) {
            if (const auto digest = steps_.text("kein LockString"))
                lock = std::string(*digest);
            code = steps_.nextSection();
        }
    } else if (code == Tok::VERBUNDEN) {
        if (const auto f = steps_.flag("stateVar:connevted"))
            connected = *f;
        code = steps_.nextSection();
    }
    if (code != Tok::POS)
        steps_.fail("kein KistenPos");
    auto x = steps_.integer("X-Pos");
    auto y = steps_.integer("Y-Pos");
    const auto sheet = steps_.integer("Z-Pos");
    steps_.expect(Tok::Close, "KlammerZu erwartet");
    if (!steps_.ok())
        return false;

    TKiste* block = doc_.createBlock(*type, *n, *m, *sheet, placement_.placedX(*x, *sheet),
                                     placement_.placedY(*y, *sheet), placement_.pasting);
    if (!isKnownType(*type)) {
        // The catalogue knows nothing of the type: keep what the file says, so that the
        // block is written back unchanged.
        block->n = *n;
        block->m = *m;
    }
    block->saveIndex = *index;
    if (placement_.keepNames)
        block->name = std::string(*name);
    blocksByIndex_.try_emplace(*index, block);
    block->childPage = childPage;
    block->viewX = viewX;
    block->viewY = viewY;
    block->connected = connected;
    block->lock = lock;
    if (*flags == 1 || *flags == 3) {
        block->flipped = true;
        doc_.placePins(*block);
    }
    if (*flags == 2 || *flags == 3) {
        block->passive = true;
        block->colour = colour::Teal;
    }
    if (placement_.pasting) {
        block->selected = true;
        block->colour = colour::InactiveCaption;
        for (TKante* p : block->pins)
            p->selected = true;
    }

    readParameters(*block, std::string(*name));
    if (!steps_.ok())
        return false;
    // Clones of one name share one parameter set; one that does not match the clones
    // read before it becomes a plain structured-text block of its own.
    if (block->type == 82)
        checkCloneConsistency(doc_, *block);
    if (doc_.hooks().appearanceChanged)
        doc_.hooks().appearanceChanged(*block);
    return true;
}

void DiagramReader::readParameters(TKiste& block, const std::string& fileName)
{
    std::size_t position = 0;
    Token t = steps_.next();
    while (steps_.ok() && t.code == Tok::Open) {
        ++position;
        steps_.expect(Tok::PARAMETER, "Parameter erwartet");
        const auto kind = steps_.integer("ParameterTyp", INT_MIN, INT_MAX);
        const Token key = steps_.next();
        if (steps_.ok() && key.code != Tok::Word)
            steps_.fail("keine ParKennung");
        const Token prompt = steps_.next(); // any single token; not used
        const auto value = steps_.text("kein ParameterWert:", fileName);
        const auto show = steps_.flag("Sichtbar");
        const auto eeprom = steps_.flag("EEPROM");
        steps_.expect(Tok::Close, "KlammerZu(Par) erwartet");
        if (!steps_.ok())
            return;

        const std::string keyText(key.text);
        if (position <= block.params.size()) {
            Para_descriptor& p = block.params[position - 1];
            if (p.name != keyText)
                doc_.reporter().warning(&block, tx("unerwartete ParameterKennung") + " :" +
                                                    std::string(prompt.text) + ": " + keyText);
            p.value = std::string(*value);
            p.show = *show;
            p.eeprom = *eeprom;
        } else if (position <= static_cast<std::size_t>(MaxParameters)) {
            // More parameters than the catalogue gives the type (or a type it does not
            // know): kept as the file has them.
            Para_descriptor p;
            p.kind = *kind;
            p.name = keyText;
            p.prompt = std::string(prompt.text);
            p.value = std::string(*value);
            p.show = *show;
            p.eeprom = *eeprom;
            block.params.push_back(std::move(p));
        }
        t = steps_.next();
    }
    if (steps_.ok() && t.code != Tok::Close)
        steps_.fail("kein )nachPar.");
}

TKiste* DiagramReader::blockWithIndex(int index) const
{
    const auto it = blocksByIndex_.find(index);
    return it == blocksByIndex_.end() ? nullptr : it->second;
}

bool DiagramReader::readBody(Tok code, const BodyMessages& messages)
{
    if (code == Tok::TEXTE) {
        if (!readTexts()) {
            steps_.summary("Fehlerhafte SPS_Datei(texten)");
            return false;
        }
        code = steps_.nextSection();
    }
    if (code != Tok::KISTEN) {
        steps_.fail(messages.blocksExpected);
        return false;
    }
    if (!readBlocks()) {
        steps_.summary(messages.blocks);
        return false;
    }
    if (!steps_.section(Tok::KANTEN, messages.kantenExpected))
        return false;
    if (!readKanten()) {
        steps_.summary(messages.kanten);
        return false;
    }
    if (!resolveNeighbours()) {
        steps_.summary(messages.neighbours);
        return false;
    }
    return true;
}

} // namespace fup
