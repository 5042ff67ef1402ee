#include "model/Catalogue.h"
#include "model/CatalogueRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace fup;

namespace {

std::string pinText(const PinTemplate& p)
{
    static const char letters[] = "-FDGI";
    std::string s = p.name.empty() ? "(unnamed)" : p.name;
    s += ' ';
    s += letters[p.valueType];
    if (p.constCapable)
        s += '*';
    return s;
}

// "name vt[*]" of the inputs, then " | ", then the outputs, each in ordinal order.
std::string pinsText(const PinLayout& layout)
{
    std::string in, out;
    for (const auto& p : layout.pins) {
        auto& side = p.kind == ek::InputPin ? in : out;
        if (!side.empty())
            side += ", ";
        side += pinText(p);
    }
    return in + " | " + out;
}

std::string paramText(const Para_descriptor& p)
{
    std::string s = p.name + " " + std::to_string(p.kind) + " =\"" + p.value + "\"";
    if (p.eeprom)
        s += " E";
    if (p.flash)
        s += " L";
    if (!p.show)
        s += " h";
    return s + " [" + p.prompt + "|" + p.hint + "]";
}

std::string paramsText(int type, int n, int m)
{
    std::string s;
    for (const auto& p : typeParameters(type, n, m)) {
        if (!s.empty())
            s += "; ";
        s += paramText(p);
    }
    return s;
}

}  // namespace

// A sample across the families, checked against the type tables (N = 3, M = 2).
TEST(Catalogue, SampleTypesMatchTheirTables)
{
    struct Case {
        int type;
        const char* label;
        const char* hint;
        int width;
        const char* pins;
        const char* params;
    };
    const Case cases[] = {
        {13, "ADGR", "Addierer mit Begrenzung auf +/- 1", 2, "+1 F*, +2 F*, +3 F* | o F",
         "ina 56 =\"3\" h [anz_eing.|]"},
        {12, "CONS", "Konstante (Analog / Festpunkt)", 2, "(unnamed) - | o F",
         "K 55 =\"\" L [K|Festpunkt Konstante]"},
        {54, " T", "Verzoegerung um eine Zykluszeit", 2, "i F | o F", ""},
        {7, "Mul-UI", "Multiplizierer Unsigned-Integer", 2, "*1 I*, *2 I* | o I", ""},
        {72, "AOut2-idx", "analog-Ausgang(Festpunkt (hi)2Byte) mit Ziel-Register Index(min..max)", 3,
         "idx I*, i F | err D",
         "min 56 =\"0\" [minReg|min.RegisterIndex]; max 56 =\"0\" [maxReg|max.RegisterIndex]"},
        {49, "KnLxy", "Kennlinie mit (x,y) Stuetzpunkten", 2, "x F | y F",
         "XP 58 =\" -1.0    1.0\" [X|min(2)..max(16) X-Werte]; YP 58 =\"\" [Y|min(2)..max(16) Y-Werte]"},
        {66, "AVER", "gleitende MittelwertBildung (ueber n Messwerte)", 2, "i F | o F",
         "n 56 =\" 10\" L [n|Mittelung  ueber n Werte]"},
        {119, "DECO", "4:16 Binaerdecoder", 2,
         "i0 D, i1 D, i2 D, i3 D | b0 D, b1 D, b2 D, b3 D, b4 D, b5 D, b6 D, b7 D, b8 D, b9 D, b10 D, "
         "b11 D, b12 D, b13 D, b14 D, b15 D",
         ""},
        {120, "CTUD", "Zaehler(vor/rueck restet,laden)", 3, "cu D, cd D, r D, ld D, pv I | qu D, qd D, cv I", ""},
        {137, "SUB", "Subtrahierer (Gleitpunkt bzw. Float)", 2, "+ G*, - G* | o G", ""},
        {164, "Limit", "Oberer- und Unterer-Grenzwert (Float, feste Grenzen)", 2, "i G | o G",
         "OG 62 =\"\" E [hi|oberer Grenzwert]; UG 62 =\"\" E [lo|unterer Grenzwert]"},
        {24, "tCons", "Konstante (Zeit in Sek.)", 2, " | o I", "t 59 =\"\" L [Zeit|Zeit Konstante (sec)]"},
        {221, "Can-Tx-id", "CAN: Sende-Baustein, mit Ident-Offset", 3, "en D, ido I* | suc D, err D",
         "kan 56 =\"14\" [Kanal|1..14]; cnr 56 =\"0\" [BusNr|TQ810:1..2]; "
         "lty 56 =\"0\" h [LTyp| 0=>11-Bit   1=>29-Bit Identifier]; idt 56 =\"$201\" [Ident|CAN Basis-Identifier]; "
         "rnr 56 =\"0\" [RegNr|1. Senderegister-Nr.]; azb 56 =\"8\" [AnzByte|Anzahl Byte (0..8)]; "
         "rtx 56 =\"0\" h [NurRTR|1=Nur Remote-Transmitt-Request Kanal]; "
         "mxi 56 =\"$7FF\" [MaxIdO|Max. erlaubter Identifier-Offset]"},
        {180, "SUB-Proc", "..include \"Sub-Prozess\" Datei", 3, "i D | o D", "nam 58 =\"\" [Name|SUB-Prozess Name]"},
        {189, "State", "ein Zustand des ZustandsAutomaten", 2, "i1 D, i2 D, i3 D | o1 D, o2 D",
         "nam 58 =\"\" [Name|Zustandsname]; n 56 =\"1\" h [sNr|ZustandsNummer(frei waehlbar (integer))]; "
         "ina 56 =\"3\" h [anz_eing.|Anzahl der Eingaenge]; oua 56 =\"2\" h [anz_ausg.|Anzahl der Ausgaenge]"},
        {152, "Dual-Bmap", "Dual Bitmap-Grafik (*.bmp Dateien)", 3, "(unnamed) D | ",
         "img 58 =\"\" h [Bitmap_false|Bitmap1 Dateiname]; img 58 =\"\" h [Bitmap_true|Bitmap2 Dateiname]; "
         "br 58 =\"3\" h [Breit|in Raster]; ho 58 =\"3\" h [Hoch|in Raster]"},
        {157, " IntDisp", "Numerisches Integer-Display", 12, "(unnamed) I | ",
         "nam 58 =\"...\" h [Name|]; dim 58 =\"xxx\" h [DimText|]; skf 56 =\"1\" h [SkalFaktor|]; "
         "nko 56 =\"1\" h [StellenAnz|]"},
        {158, "UHR", "Aktuelle Uhrzeit+Datum", 2, " | err D, yea I, mon I, day I, hou I, min I, sec I, wdy I", ""},
        {21, "DIF", "Differenzierer", 2, " | ", "KD 53 =\"0.5\" E [KD|]"},
        {82, "ST-Clone", "Strukturierter-Text Klone", 3, " | ",
         "nam 58 =\"\" [Name|]; de 58 =\"\" h [dig_inputs|digitale Eingaenge z.B.:  de1,de2,.. ]; "
         "ae 58 =\"\" h [ana_inputs|analoge  Eingaenge z.B.:  ae1,ae2,.. ]; "
         "ie 58 =\"\" h [int_inputs|integer  Eingaenge z.B.:  ie1,ie2,.. ]; "
         "da 58 =\"\" h [dig_outputs|digitale Ausgaenge z.B.:  da1,da2,.. ]; "
         "aa 58 =\"\" h [ana_outputs|analoge  Ausgaenge z.B.:  aa1,aa2,.. ]; "
         "ia 58 =\"\" h [int_outputs|integer  Ausgaenge z.B.:  ia1,ia2,.. ]; "
         "txt 58 =\"\" h [S_Text|Parameter NICHT anzeigen !! ]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const auto layout = pinLayout(c.type, 3, 2);
        EXPECT_EQ(typeLabel(c.type), c.label);
        EXPECT_EQ(typeHint(c.type), c.hint);
        EXPECT_EQ(layout.width, c.width);
        EXPECT_EQ(pinsText(layout), c.pins);
        EXPECT_EQ(paramsText(c.type, 3, 2), c.params);
    }
}

TEST(Catalogue, SameKeyReadsDifferentlyPerType)
{
    struct Case {
        int type;
        int index;
        const char* prompt;
        const char* hint;
    };
    const Case cases[] = {
        {64, 1, "y", "z.B.  x1+(0.7 * x2)+sin(x3)"},
        {113, 1, "o", "z.B.  i1 AND  NOT(/i2 | i1)"},
        {190, 0, "IF", "IF Uebergangsbedingung(logische Formel) THEN"},
        {26, 0, "Reg", "Ziel-Reg-Nr."},
        {90, 0, "Reg", "Quell-Reg. Nr."},
        {98, 0, "Reg", "Ziel-Reg. Nr."},
        {190, 3, "TOut", " ==> TimeOut in Sec, 0=ohne TOut, -1=altes TOut"},
        {193, 0, "Set", "allle Ausgaenge die inital TRUE sein sollen (z.B. in1,in2)"},
        {125, 0, "Teiler", ""},
        {224, 1, "QuelReg", ""},
        {65, 0, "QuellReg", ""},
        {154, 6, "VG22", "VG Text Bild 2"},
        {182, 1, "Nr.", "Port-Nr./Position (1=oben,..n=unten)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const auto params = typeParameters(c.type, 2, 2);
        ASSERT_LT(c.index, static_cast<int>(params.size()));
        EXPECT_EQ(params[c.index].prompt, c.prompt);
        EXPECT_EQ(params[c.index].hint, c.hint);
    }
}

TEST(Catalogue, InvariantsOverAllTypes)
{
    const auto known = knownTypes();
    EXPECT_EQ(known.size(), 188u);
    EXPECT_TRUE(std::is_sorted(known.begin(), known.end()));
    for (const int type : known) {
        SCOPED_TRACE(type);
        EXPECT_GE(type, 1);
        EXPECT_LE(type, 238);
        EXPECT_NE(typeLabel(type), "none");
        for (const auto& [n, m] : {std::pair{1, 1}, {2, 2}, {32, 24}}) {
            const auto layout = pinLayout(type, n, m);
            if (type != 189) {
                EXPECT_LE(layout.pins.size(), static_cast<size_t>(MaxPins));
            }
            // Ordinals count 1, 2, ... on each side in creation order.
            int in = 0, out = 0;
            for (const auto& p : layout.pins) {
                ASSERT_TRUE(p.kind == ek::InputPin || p.kind == ek::OutputPin);
                EXPECT_EQ(p.ordinal, p.kind == ek::InputPin ? ++in : ++out);
                EXPECT_LE(p.valueType, vt::Integer);
                if (p.kind == ek::OutputPin) {
                    EXPECT_FALSE(p.constCapable);
                }
            }
            const auto params = typeParameters(type, n, m);
            EXPECT_LE(params.size(), static_cast<size_t>(MaxParameters));
            for (const auto& p : params) {
                EXPECT_GE(p.kind, 50);
                EXPECT_LE(p.kind, 64);
                EXPECT_FALSE(p.prompt.empty());
            }
        }
        const auto v = variablePins(type);
        if (v.askInputs) {
            // The single output comes before the inputs so it keeps its place.
            const auto layout = pinLayout(type, 3, 2);
            if (layout.outputCount() == 1) {
                EXPECT_EQ(layout.pins.front().kind, ek::OutputPin);
            }
        }
    }
}

TEST(Catalogue, MenusReferenceKnownTypesAndCoverAllButHidden)
{
    std::set<int> inMenu;
    std::map<int, std::vector<std::string>> captionsFromMenus;
    for (const auto& group : blockMenus()) {
        EXPECT_FALSE(group.entries.empty()) << group.caption;
        for (const auto& e : group.entries) {
            EXPECT_TRUE(isKnownType(e.type)) << e.caption;
            inMenu.insert(e.type);
            captionsFromMenus[e.type].push_back(e.caption);
        }
    }
    for (const int type : knownTypes()) {
        const bool hidden = type == 21 || type == 82;
        EXPECT_EQ(inMenu.count(type) == 0, hidden) << type;
        EXPECT_EQ(menuCaptions(type).empty(), hidden) << type;
    }
    EXPECT_EQ(captionsFromMenus[199], (std::vector<std::string>{"Display (Analog)", "Num-Display (Analog)"}));
    // The macro's second caption is the edit command, not a block-menu item.
    EXPECT_EQ(captionsFromMenus[187], std::vector<std::string>{"Macro"});
    EXPECT_EQ(menuCaptions(187), (std::vector<std::string>{"Macro", "Makro  generieren"}));
}

TEST(Catalogue, MenuGroupsInOrderWithTheirBlanks)
{
    const std::vector<std::string> expected = {
        "--- Gleitpunkt ----",         "----- Analog I ------", "----- Analog II -----",
        "---- Digital I -----",        "-- Digital II / Register ---", "--- Telegramme ---",
        "-- Komplexe Baust.- ",        "--- Anzeige/Testhilfen --",    "Visualisierung      "};
    const auto& menus = blockMenus();
    ASSERT_EQ(menus.size(), expected.size());
    for (size_t i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(menus[i].caption, expected[i]);
        EXPECT_EQ(menus[i].ownMenu, i + 1 == menus.size());
    }
    const auto& analog = menus[1].entries;
    EXPECT_EQ(analog.front().caption, "Konstante(Festpunkt)");
    EXPECT_EQ(analog[1].caption, "Analog_In  (2 Byte)");
    EXPECT_EQ(analog.back().caption, "MOD (Unsigned-Integer)");
    EXPECT_EQ(menus[8].entries.back().type, 150);
}

TEST(Catalogue, UnknownTypes)
{
    for (const int type : {0, 22, 239, -5, 1000}) {
        SCOPED_TRACE(type);
        EXPECT_FALSE(isKnownType(type));
        EXPECT_EQ(typeLabel(type), "none");
        EXPECT_EQ(typeHint(type), "noch nicht definiert");
        const auto layout = pinLayout(type, 2, 2);
        EXPECT_TRUE(layout.pins.empty());
        EXPECT_EQ(blockHeightRows(layout.heightPreset, layout.inputCount(), layout.outputCount()), 2);
        EXPECT_TRUE(typeParameters(type, 2, 2).empty());
        EXPECT_TRUE(menuCaptions(type).empty());
    }
}

TEST(Catalogue, CreationPromptCounts)
{
    struct Case {
        int type;
        std::optional<std::string_view> answer;
        int inputs;
    };
    const Case cases[] = {
        {13, "1", 2},   {13, "33", 2},  {13, "32", 32}, {13, " 5 ", 5}, {13, "abc", 2},
        {13, std::nullopt, 2},          {13, "", 2},    {92, "3x", 2},  {64, "1", 1},
        {64, "0", 2},   {189, "1", 1},  {189, "32", 32}, {113, "1", 2}, {190, "7", 1},
        {120, "9", 5},  {12, "9", 1},   {187, "9", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " '" << c.answer.value_or("<cancel>") << "'");
        EXPECT_EQ(creationInputCount(c.type, c.answer), c.inputs);
    }
    EXPECT_EQ(creationOutputCount(189, "1"), 1);
    EXPECT_EQ(creationOutputCount(189, "24"), 24);
    EXPECT_EQ(creationOutputCount(189, "25"), 2);
    EXPECT_EQ(creationOutputCount(189, std::nullopt), 2);
    EXPECT_EQ(creationOutputCount(13, "5"), 1);
    EXPECT_EQ(creationOutputCount(120, std::nullopt), 3);
    EXPECT_EQ(creationOutputCount(97, std::nullopt), 16);
}

TEST(Catalogue, VariableLayoutsAndHeights)
{
    // 32 inputs on an adder: 33 pins, 33 rows.
    const auto adder = pinLayout(13, 32, 1);
    ASSERT_EQ(adder.pins.size(), 33u);
    EXPECT_EQ(adder.pins.front().name, "o");
    EXPECT_EQ(adder.pins[1].name, "+1");
    EXPECT_EQ(adder.pins[1].ordinal, 1);
    EXPECT_EQ(adder.pins.back().name, "+32");
    EXPECT_EQ(blockHeightRows(adder.heightPreset, adder.inputCount(), adder.outputCount()), 33);

    // The layout builds what it is given within 1..32; the prompt is stricter.
    EXPECT_EQ(pinLayout(13, 1, 1).inputCount(), 1);
    EXPECT_EQ(pinLayout(13, 33, 1).inputCount(), 32);
    EXPECT_EQ(pinLayout(13, 0, 1).inputCount(), 1);
    EXPECT_EQ(typeParameters(13, 40, 1).front().value, "32");
    EXPECT_EQ(pinLayout(64, 1, 1).pins.front().name, "y");

    const auto state = pinLayout(189, 1, 24);
    EXPECT_EQ(state.pins.front().name, "i1");
    EXPECT_EQ(state.pins.back().name, "o24");
    EXPECT_EQ(blockHeightRows(state.heightPreset, 1, 24), 25);
    EXPECT_EQ(pinLayout(189, 2, 30).outputCount(), 24);

    // State change: "i", then i2..iN, then "o".
    auto names = [](const PinLayout& l) {
        std::string s;
        for (const auto& p : l.pins)
            s += p.name + " ";
        return s;
    };
    EXPECT_EQ(names(pinLayout(190, 1, 1)), "i o ");
    EXPECT_EQ(names(pinLayout(190, 3, 1)), "i i2 i3 o ");
    EXPECT_EQ(typeParameters(190, 3, 1).back().value, "3");

    // Fixed types ignore the counts.
    EXPECT_EQ(pinLayout(7, 5, 5).inputCount(), 2);
    EXPECT_EQ(pinLayout(97, 5, 5).outputCount(), 16);
    EXPECT_EQ(pinLayout(98, 0, 0).inputCount(), 16);
}

TEST(Catalogue, HeightPresetsAndRows)
{
    struct Case {
        int type;
        int preset;
    };
    for (const auto c : {Case{81, 1}, {82, 1}, {187, 1}, {188, 1}, {150, 2}, {151, 2}, {152, 2}, {153, 2},
                         {154, 2}, {157, 2}, {195, 2}, {198, 2}, {199, 2}, {197, 4}, {13, 0}, {120, 0}}) {
        EXPECT_EQ(pinLayout(c.type, 2, 2).heightPreset, c.preset) << c.type;
    }
    EXPECT_EQ(blockHeightRows(0, 0, 0), 2);
    EXPECT_EQ(blockHeightRows(1, 0, 0), 2);
    EXPECT_EQ(blockHeightRows(0, 5, 3), 6);
    EXPECT_EQ(blockHeightRows(2, 1, 0), 3);
    EXPECT_EQ(blockHeightRows(4, 1, 0), 5);
    EXPECT_EQ(blockHeightRows(1, 0, 5), 6);  // a preset is raised to the outputs
}

TEST(Catalogue, ColoursByType)
{
    for (const int t : {178, 179, 182, 183, 184, 185, 191, 192, 194})
        EXPECT_EQ(normalColour(t), colour::Teal) << t;
    EXPECT_EQ(normalColour(189), colour::State);
    for (const int t : {190, 187, 13, 22})
        EXPECT_EQ(normalColour(t), colour::Normal) << t;
}

TEST(Catalogue, PinSideFaults)
{
    const std::vector<PinTemplate> in = {{"a", ek::InputPin}};
    const std::vector<PinTemplate> out = {{"o", ek::OutputPin}};
    EXPECT_EQ(pinSideFault(in, out), "");
    EXPECT_EQ(pinSideFault(out, out), "Fehler: Eingang nicht Links");
    EXPECT_EQ(pinSideFault(in, in), "Fehler: Ausgang nicht Rechts");
    // Every table builds its sides right; a wrong side would throw while laying out.
    for (const int type : knownTypes())
        EXPECT_NO_THROW(pinLayout(type, 2, 2)) << type;
}

TEST(Catalogue, FlagsFromTheTables)
{
    const auto eeprom = typeParameters(19, 2, 2);  // KI 52 ="0.5" E
    ASSERT_EQ(eeprom.size(), 1u);
    EXPECT_TRUE(eeprom[0].eeprom);
    EXPECT_FALSE(eeprom[0].flash);
    EXPECT_EQ(eeprom[0].value, "0.5");
    const auto flash = typeParameters(51, 2, 2);  // t 60 ="0.0" L
    EXPECT_TRUE(flash[0].flash);
    EXPECT_FALSE(flash[0].eeprom);
    EXPECT_TRUE(flash[0].show);
    for (const auto& p : typeParameters(81, 2, 2))
        EXPECT_EQ(p.show, p.name == "nam") << p.name;
}

// Every wording in the prompt table belongs to a parameter of each type it lists: a row
// that nothing uses means a parameter is missing from a type row.
TEST(Catalogue, EveryPromptRowIsUsed)
{
    for (const auto& row : catalogue::parameterPrompts()) {
        std::string types = row.types;
        for (size_t pos = 0; pos < types.size();) {
            const auto comma = types.find(',', pos);
            const int type = std::stoi(types.substr(pos, comma - pos));
            pos = comma == std::string::npos ? types.size() : comma + 1;
            const auto params = typeParameters(type, 2, 2);
            const bool used = std::any_of(params.begin(), params.end(), [&](const Para_descriptor& p) {
                return p.name == row.key && p.kind == row.kind && p.prompt == row.prompt && p.hint == row.hint;
            });
            EXPECT_TRUE(used) << row.key << " in " << type;
        }
    }
}
