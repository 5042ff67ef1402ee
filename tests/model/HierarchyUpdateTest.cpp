#include "codegen/MacroChecks.h"
#include "model/Document.h"
#include "model/Hierarchy.h"

#include "shell/RecordingReporter.h"

#include <gtest/gtest.h>

#include <set>

namespace fup {
namespace {

using test::RecordingReporter;

// Macros named "Motor": in-port x (row 1) and out-port y (row 1). The chosen one holds an
// adder between them, the old copies only a wire.
struct UpdateMacros : ::testing::Test {
    RecordingReporter reporter;
    Document doc{&reporter};
    std::vector<std::string> asked;
    std::vector<std::string> shown;
    bool answer = true;
    UpdateMacrosDialogs dialogs{[this](const std::string& q) {
                                    asked.push_back(q);
                                    return answer;
                                },
                                [this](const std::string& t) { shown.push_back("info:" + t); },
                                [this](const std::string& t) { shown.push_back("message:" + t); }};

    TKiste* motor(int sheet, int x, bool withAdder)
    {
        TKiste* m = doc.createBlock(187, 0, 0, sheet, x, 10, false);
        m->childPage = doc.allocateInstanceNumber();
        m->param("nam")->value = "Motor";
        TKiste* in = doc.createBlock(184, 0, 0, m->childPage, 2, 2, false);
        in->param("nam")->value = "x";
        in->param("nr")->value = "1";
        TKiste* out = doc.createBlock(185, 0, 0, m->childPage, 40, 2, false);
        out->param("nam")->value = "y";
        out->param("nr")->value = "1";
        EXPECT_TRUE(connectPort(doc, *in));
        EXPECT_TRUE(connectPort(doc, *out));
        if (withAdder) {
            TKiste* add = doc.createBlock(13, 2, 1, m->childPage, 20, 2, false);
            EXPECT_TRUE(doc.connect(*in->outputPin(1), *add->inputPin(1)));
            EXPECT_TRUE(doc.connect(*add->outputPin(1), *out->inputPin(1)));
            doc.createText(20, 20, m->childPage, false, false).text = "Drehzahl";
        } else {
            EXPECT_TRUE(doc.connect(*in->outputPin(1), *out->inputPin(1)));
        }
        return m;
    }

    std::vector<TKiste*> motors() const
    {
        std::vector<TKiste*> result;
        for (TKiste* b : doc.blocks())
            if (b->type == 187 && b->param("nam")->value == "Motor")
                result.push_back(b);
        return result;
    }
};

TEST_F(UpdateMacros, CopiesAreReplacedAndKeepTheirOutsideConnections)
{
    TKiste* source = doc.createBlock(12, 0, 0, 1, 2, 10, false);
    TKiste* first = motor(1, 20, false);
    TKiste* chosen = motor(1, 60, true);
    TKiste* second = motor(2, 30, false);
    second->flipped = true;
    doc.placePins(*second);
    ASSERT_TRUE(doc.connect(*source->outputPin(1), *first->inputPin(1)));
    ASSERT_TRUE(doc.setVariableName(*first->outputPin(1), "MOTOR_AUS"));
    // The two old copies feed each other across a point on sheet 1 and a pin on sheet 2.
    TKante* point = doc.createPoint(50, 50, 1, vt::None);
    ASSERT_TRUE(doc.connect(*first->outputPin(1), *point));
    TKante* far = doc.createPoint(50, 50, 2, vt::None);
    ASSERT_TRUE(doc.connect(*point, *far));
    ASSERT_TRUE(doc.connect(*far, *second->inputPin(1)));
    const std::uint32_t print = contentFingerprint(doc, *chosen);

    ASSERT_TRUE(updateMacros(doc, *chosen, dialogs));
    EXPECT_EQ(asked, std::vector<std::string>{"Sollen alle 2 Makros gleichen Namens überschrieben werden?"});
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(reporter.lines.empty());

    const std::vector<TKiste*> now = motors();
    ASSERT_EQ(now.size(), 3u);
    TKiste* newFirst = nullptr;
    TKiste* newSecond = nullptr;
    for (TKiste* m : now) {
        EXPECT_EQ(contentFingerprint(doc, *m), print);
        if (m != chosen && m->sheet == 1)
            newFirst = m;
        if (m->sheet == 2)
            newSecond = m;
    }
    ASSERT_NE(newFirst, nullptr);
    ASSERT_NE(newSecond, nullptr);
    EXPECT_EQ(newFirst->x, 20);
    EXPECT_EQ(newSecond->x, 30);
    EXPECT_TRUE(newSecond->flipped);
    EXPECT_FALSE(newFirst->flipped);
    EXPECT_EQ(newSecond->inputPin(1)->x, newSecond->widthGrid()); // pins follow the flip

    // Variable, incoming wire and the link between the two copies survive.
    EXPECT_EQ(newFirst->outputPin(1)->varText, "MOTOR_AUS");
    EXPECT_EQ(newFirst->outputPin(1)->varType, var::Own);
    EXPECT_EQ(netSource(*newFirst->inputPin(1)), source->outputPin(1));
    EXPECT_EQ(netSource(*newSecond->inputPin(1)), newFirst->outputPin(1));

    // Each copy has its own inside with the adder and the comment.
    std::set<int> pages;
    int adders = 0;
    int texts = 0;
    for (TKiste* m : now) {
        pages.insert(m->childPage);
        for (const TKiste* b : doc.blocks())
            adders += b->sheet == m->childPage && b->type == 13;
        for (const auto& t : doc.texts())
            texts += t->sheet == m->childPage && t->text == "Drehzahl";
    }
    EXPECT_EQ(pages, (std::set<int>{200, 201, 202}));
    EXPECT_EQ(doc.instanceCounter(), 203);
    EXPECT_EQ(adders, 3);
    EXPECT_EQ(texts, 3);
    EXPECT_TRUE(macroConsistencyChecks(doc));
    for (const TKiste* b : doc.blocks())
        EXPECT_FALSE(b->selected);
    EXPECT_EQ(chosen->colour, chosen->normalColour);
}

TEST_F(UpdateMacros, ADirectWireBetweenTwoCopiesSurvives)
{
    TKiste* chosen = motor(1, 60, true);
    TKiste* upstream = motor(1, 10, false);
    TKiste* downstream = motor(1, 30, false);
    ASSERT_TRUE(doc.connect(*upstream->outputPin(1), *downstream->inputPin(1)));
    ASSERT_TRUE(updateMacros(doc, *chosen, dialogs));
    TKiste* newUp = nullptr;
    TKiste* newDown = nullptr;
    for (TKiste* m : motors()) {
        if (m->x == 10)
            newUp = m;
        if (m->x == 30)
            newDown = m;
    }
    ASSERT_TRUE(newUp && newDown);
    EXPECT_EQ(netSource(*newDown->inputPin(1)), newUp->outputPin(1));
    EXPECT_TRUE(reporter.lines.empty());
}

TEST_F(UpdateMacros, ACopyInsideAnotherMacroStaysThere)
{
    TKiste* chosen = motor(1, 60, true);
    TKiste* housing = doc.createBlock(187, 0, 0, 1, 10, 40, false);
    housing->childPage = doc.allocateInstanceNumber();
    housing->param("nam")->value = "Anlage";
    motor(housing->childPage, 15, false);
    ASSERT_TRUE(updateMacros(doc, *chosen, dialogs));
    TKiste* replaced = nullptr;
    for (TKiste* m : motors())
        if (m != chosen)
            replaced = m;
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(replaced->sheet, housing->childPage);
    EXPECT_EQ(replaced->x, 15);
    EXPECT_EQ(contentFingerprint(doc, *replaced), contentFingerprint(doc, *chosen));
    // Inside-first order: the housing's inside lies before it in the list.
    const auto position = [&](const TKiste* k) {
        return std::find(doc.blocks().begin(), doc.blocks().end(), k) - doc.blocks().begin();
    };
    EXPECT_LT(position(replaced), position(housing));
}

TEST_F(UpdateMacros, NothingChangesWithoutCopiesOrWithoutConsent)
{
    TKiste* chosen = motor(1, 60, true);
    EXPECT_FALSE(updateMacros(doc, *chosen, dialogs));
    EXPECT_EQ(shown, std::vector<std::string>{"info:Keine anderen Makros gleichen Namens vorhanden"});
    EXPECT_EQ(chosen->colour, chosen->normalColour);

    TKiste* other = motor(1, 20, false);
    const std::uint32_t print = contentFingerprint(doc, *other);
    answer = false;
    EXPECT_FALSE(updateMacros(doc, *chosen, dialogs));
    EXPECT_TRUE(other->alive());
    EXPECT_EQ(contentFingerprint(doc, *other), print);
    EXPECT_EQ(chosen->colour, chosen->normalColour);
    // Names are compared exactly.
    other->param("nam")->value = "motor";
    shown.clear();
    answer = true;
    EXPECT_FALSE(updateMacros(doc, *chosen, dialogs));
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(UpdateMacros, AMacroInsideItsOwnNameIsRefusedBeforeAnythingChanges)
{
    TKiste* chosen = motor(1, 60, true);
    TKiste* nested = motor(chosen->childPage, 10, false);
    const std::size_t blocks = doc.blocks().size();
    const std::size_t elements = doc.kanten().size();
    EXPECT_FALSE(updateMacros(doc, *chosen, dialogs));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:Rekursives Makro"});
    EXPECT_TRUE(nested->alive());
    EXPECT_EQ(doc.blocks().size(), blocks);
    EXPECT_EQ(doc.kanten().size(), elements);
}

TEST_F(UpdateMacros, TooManyOutsideConnectionsAreRefused)
{
    TKiste* chosen = motor(1, 60, true);
    TKiste* crowded = motor(1, 20, false);
    // 57 pins with a variable each (more than a copy can keep).
    for (int k = 2; k <= 58; ++k) {
        TKante* pin = doc.addPin(*crowded, ek::OutputPin, "p" + std::to_string(k), vt::Digital, k, false, false);
        pin->varType = var::Own;
        pin->varText = "V" + std::to_string(k);
    }
    EXPECT_FALSE(updateMacros(doc, *chosen, dialogs));
    EXPECT_EQ(reporter.lines, std::vector<std::string>{"E:Ueberlauf Verbindungsliste"});
    EXPECT_TRUE(crowded->alive());
    EXPECT_EQ(crowded->x, 20);
}

} // namespace
} // namespace fup
