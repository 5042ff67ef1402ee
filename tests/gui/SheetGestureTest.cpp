// The real sheet view driven with mouse events: wires drawn by clicks, the wire popup
// menu, and a screenshot of the wired sheet.
#include "gui/MainWindow.h"
#include "MainWindowFixture.h"
#include "MenuDriver.h"
#include "gui/MessageWindow.h"
#include "gui/SheetView.h"
#include "model/Kanten.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace fup::gui {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

using test::chooseInNextMenu;
using test::findAction;

struct Sheet : test::EditorWindow {
    Sheet()
    {
        window->haupt().NURLESEN1Click(); // editable
        window->resize(1000, 700);
        window->show();
        QApplication::processEvents();
    }
    Document& doc() { return window->haupt().document(); }
    QWidget* viewport() { return window->sheetView().viewport(); }
    QPoint at(const TKante* element) const
    {
        const PixelPoint p = elementCentre(*element, ViewGeometry::of(window->haupt().document()));
        return {p.x, p.y};
    }
    QPoint grid(int x, int y) const
    {
        const PixelPoint p = toPixel({x, y}, ViewGeometry::of(window->haupt().document()));
        return {p.x, p.y};
    }
    void click(QPoint p, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(viewport(), p);
        QTest::mouseClick(viewport(), button, {}, p);
    }
    WireState state() { return window->haupt().gestures().state(); }
};

TEST(SheetGesture, WiresDrawnWithTheMouse)
{
    Sheet sheet;
    Document& doc = sheet.doc();
    TKiste* constant = doc.createBlock(12, 2, 1, 1, 6, 6, false);
    TKiste* adder = doc.createBlock(13, 2, 1, 1, 30, 4, false);
    TKiste* subtractor = doc.createBlock(14, 2, 1, 1, 54, 4, false);
    TKiste* gate = doc.createBlock(92, 2, 1, 1, 6, 24, false);
    TKiste* other = doc.createBlock(93, 2, 1, 1, 40, 26, false);
    doc.renumber();

    // One segment: output clicked, then the input.
    sheet.click(sheet.at(constant->outputPin(1)));
    EXPECT_EQ(sheet.state(), WireState::RubberBand);
    sheet.click(sheet.at(adder->inputPin(1)));
    EXPECT_EQ(sheet.state(), WireState::Idle);
    EXPECT_TRUE(constant->outputPin(1)->hasNeighbour(adder->inputPin(1)));

    // Two bends: each click on the empty sheet leaves a point to go on from.
    TKante* gateOut = gate->outputPin(1);
    sheet.click(sheet.at(gateOut));
    sheet.click(sheet.grid(24, 34));
    ASSERT_EQ(gateOut->neighbourCount, 1);
    TKante* first = gateOut->firstNeighbour();
    sheet.click(sheet.at(first));
    sheet.click(sheet.grid(24, 30));
    TKante* second = nullptr;
    for (TKante* n : first->neighbours)
        if (n && n != gateOut)
            second = n;
    ASSERT_NE(second, nullptr);
    sheet.click(sheet.at(second));
    sheet.click(sheet.at(other->inputPin(2)));
    EXPECT_EQ(netSource(*other->inputPin(2)), gateOut);
    EXPECT_EQ(second->valueType, vt::Digital);

    // A branch off the first bend onto another output is refused: two sources.
    sheet.click(sheet.at(first));
    sheet.click(sheet.at(other->outputPin(1)));
    EXPECT_EQ(other->outputPin(1)->neighbourCount, 0);
    EXPECT_TRUE(sheet.window->messageWindow().text().contains("AusGaenge nicht zusammenschalten"));

    // The adder into the limiter; the adder then moved by dragging with the pins.
    sheet.click(sheet.at(adder->outputPin(1)));
    sheet.click(sheet.at(subtractor->inputPin(1)));
    const QPoint grip = sheet.at(adder->inputPin(1)) + QPoint(12, -16);
    const QPoint anchor = sheet.at(adder->outputPin(1));
    QTest::mousePress(sheet.viewport(), Qt::LeftButton, {}, grip);
    QTest::mouseMove(sheet.viewport(), grip + QPoint(20, 40));
    QTest::mouseRelease(sheet.viewport(), Qt::LeftButton, {}, grip + QPoint(20, 40));
    EXPECT_EQ(adder->x, 32);
    EXPECT_EQ(adder->y, 8);
    EXPECT_EQ(sheet.at(adder->outputPin(1)), anchor + QPoint(20, 40));
    EXPECT_TRUE(adder->outputPin(1)->hasNeighbour(subtractor->inputPin(1)));

    // A pending rubber band ending near the bends, whose handles show, for the picture.
    sheet.click(sheet.at(other->outputPin(1)));
    for (int i = 0; i < 10; ++i)
        QTest::mouseMove(sheet.viewport(), sheet.grid(28, 33) + QPoint(i % 2, 0));
    EXPECT_EQ(sheet.state(), WireState::RubberBand);
    EXPECT_EQ(sheet.window->haupt().gestures().layout().handles.size(), 2u);
    EXPECT_EQ(sheet.viewport()->cursor().shape(), Qt::CrossCursor);
    QApplication::processEvents();
    QDir().mkpath(FUP_SCREENSHOT_DIR);
    EXPECT_TRUE(sheet.window->sheetView().grab().save(QString(FUP_SCREENSHOT_DIR) + "/sheet-gestures.png"));

    // Esc ends it without a trace.
    const std::size_t elements = doc.kanten().size();
    QTest::keyClick(&sheet.window->sheetView(), Qt::Key_Escape);
    EXPECT_EQ(sheet.state(), WireState::Idle);
    EXPECT_EQ(doc.kanten().size(), elements);
}

TEST(SheetGesture, ADoubleClickOnACommentTextDoesNothing)
{
    Sheet sheet;
    Document& doc = sheet.doc();
    TKiste* constant = doc.createBlock(12, 2, 1, 1, 6, 6, false);
    // The text's label lies over the output pin.
    const TKante* out = constant->outputPin(1);
    doc.createText(constant->x + out->x - 1, constant->y + 2 * out->ordinal() - 1, 1, false, false);
    const QPoint pin = sheet.at(out);
    ASSERT_NE(hitTestComments(doc, {pin.x(), pin.y()}, commentMetrics), nullptr);

    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(pin), sheet.viewport()->mapToGlobal(QPointF(pin)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sheet.viewport(), &twice);
    EXPECT_EQ(sheet.state(), WireState::Idle); // no wire started from the pin beneath
    EXPECT_EQ(out->neighbourCount, 0);
}

TEST(SheetGesture, WirePopupMenu)
{
    Sheet sheet;
    Document& doc = sheet.doc();
    TKiste* adder = doc.createBlock(13, 2, 1, 1, 10, 10, false);
    TKiste* subtractor = doc.createBlock(14, 2, 1, 1, 40, 10, false);
    TKante* out = adder->outputPin(1);
    TKante* bend = doc.createPoint(26, 20, 1, vt::None);
    ASSERT_TRUE(doc.connect(*out, *bend));
    ASSERT_TRUE(doc.connect(*bend, *subtractor->inputPin(1)));

    // On the pin's name: an own variable through its dialog.
    QStringList offered;
    const BlockPaint paint = layoutBlock(*adder, ViewGeometry::of(doc), sheet.window->sheetView().metrics(),
                                         doc.paramDisplay());
    QPoint label;
    for (const PinPaint& pin : paint.pins)
        if (pin.pin == out)
            label = {pin.label.box.left + 2, pin.label.box.top + pin.label.box.height / 2};
    sheet.dialogs->inputs = {"DRUCK"};
    chooseInNextMenu("eigene Variable erzeugen", offered);
    sheet.click(label, Qt::RightButton);
    EXPECT_EQ(offered, (QStringList{"eigene Variable erzeugen", "fremde Variable nutzen (Referenz)"}));
    EXPECT_THAT(sheet.dialogs->asked, ElementsAre(StartsWith("input:SPS-AusgangsVariable neu|")));
    EXPECT_EQ(out->varText, "DRUCK");

    // On the bend: deleted once the menu's event is over.
    offered.clear();
    chooseInNextMenu("Loesche Verbindung", offered);
    sheet.click(sheet.at(bend), Qt::RightButton);
    EXPECT_EQ(offered, (QStringList{"Loesche Verbindung", "Verbindung einfuegen", "Edit Signalkommentar"}));
    QTest::qWait(50);
    EXPECT_FALSE(bend->alive());
    EXPECT_EQ(out->neighbourCount, 0);
    EXPECT_EQ(sheet.state(), WireState::Idle);
}

}  // namespace
}  // namespace fup::gui
