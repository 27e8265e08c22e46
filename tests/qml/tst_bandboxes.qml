import QtQuick 2.7
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

// The band list's combo boxes are made when first needed: the window's first
// frame shows a likeness of each, drawn as the closed box, and the pointer, a
// press or the keyboard walk makes the real one.
Item {
    id: root
    width: 950
    height: 550

    Component {
        id: screenComponent
        MainScreenCombined {
            anchors.fill: parent
        }
    }

    TestCase {
        id: testCase
        name: "BandBoxes"
        when: windowShown

        readonly property var slotNames: ["lineSlot", "lnbSlot", "tpSlot"]
        property var screen: null
        property var listView: null

        // The rows on show, top to bottom.
        function shownRows() {
            var rows = []
            var children = listView.contentItem.children
            for (var i = 0; i < children.length; ++i) {
                var row = children[i]
                if (row.rowData !== undefined && row.visible && row.y + row.height > listView.contentY
                        && row.y < listView.contentY + listView.height)
                    rows.push(row)
            }
            rows.sort(function (a, b) { return a.y - b.y })
            return rows
        }

        // Each shown row's visible boxes, in reading order.
        function shownSlots() {
            var slots = []
            shownRows().forEach(function (row) {
                slotNames.forEach(function (name) {
                    if (row[name].visible)
                        slots.push(row[name])
                })
            })
            return slots
        }

        function slotOf(ubNumber, name) {
            var rows = shownRows()
            for (var i = 0; i < rows.length; ++i) {
                if (rows[i].rowUbNumber === ubNumber)
                    return rows[i][name]
            }
            fail("UB " + ubNumber + " is not shown")
        }

        // The plan's row of a slot shown in the list.
        function rowIndexOf(slot) {
            var rows = shownRows()
            for (var i = 0; i < rows.length; ++i) {
                if (slotNames.some(function (name) { return rows[i][name] === slot }))
                    return rows[i].rowData.index
            }
            fail("the box is not shown")
        }

        function rowOfUb(ubNumber) {
            for (var row = 0; row < Plan.rowCount(); ++row) {
                if (Plan.data(Plan.index(row, 0), modelRoles.ubNumber) === ubNumber)
                    return row
            }
            fail("no UB " + ubNumber)
        }

        // The pixels of the test's window where the item is, with a pixel
        // around it, as drawn now.
        function pixelsOf(item) {
            var pixels = null
            var at = item.mapToItem(root, 0, 0)
            verify(root.grabToImage(function (result) {
                pixels = testHelper.pixelsAround(result.image, Qt.rect(at.x, at.y, item.width, item.height))
            }))
            tryVerify(function () { return pixels !== null }, 5000, "no picture of the window")
            verify(pixels.length > 0, "the box lies outside the picture")
            return pixels
        }

        // A fresh window content, the pointer away from the list, drawn once.
        function init() {
            Controller.setStaticUBs(0, true)
            Controller.resetDynamicUBs(true)
            if (SatelliteNames.rowCount() >= 2) {
                Plan.lnb1 = SatelliteNames.data(SatelliteNames.index(0, 0), 0)
                Plan.lnb2 = SatelliteNames.data(SatelliteNames.index(1, 0), 0)
            }
            mouseMove(root, root.width - 1, root.height - 1)
            screen = screenComponent.createObject(root)
            verify(screen !== null)
            listView = screen.mainScreenForm.uBListView1.listView
            waitForRendering(screen)
        }

        function cleanup() {
            screen.destroy()
            screen = null
            Controller.setStaticUBs(0, true)
        }

        function test_firstFrameShowsLikenesses() {
            var slots = shownSlots()
            verify(slots.length >= 10, "only " + slots.length + " boxes shown")
            slots.forEach(function (slot) {
                compare(slot.box, null, "a box made with the window: " + slot.Accessible.name)
            })
            // Each row's line as the plan has it, under the box's name.
            var rows = shownRows()
            compare(rows[0].lineSlot.Accessible.name, "UB24 Line:")
            rows.forEach(function (row) {
                compare(row.lineSlot.likenessText.text, "0" + (row.rowData.line + 1), row.ubText.text)
            })
        }

        // What the likeness shows is what the box shows once made, pixel for
        // pixel: the window's first frame looks as it did with the boxes.
        function test_likenessLooksLikeTheBox_data() {
            return [
                { tag: "line", ubNumber: 21, slot: "lineSlot", colour: "black" },
                { tag: "LNB", ubNumber: 23, slot: "lnbSlot", staticUBs: 2, colour: "black" },
                { tag: "TP, red while not assigned", ubNumber: 23, slot: "tpSlot", staticUBs: 2, colour: "red" },
                { tag: "TP with a transponder", ubNumber: 22, slot: "tpSlot", staticUBs: 2, transponder: 1,
                  colour: "black" },
            ]
        }

        function test_likenessLooksLikeTheBox(data) {
            if (data.staticUBs)
                Controller.setStaticUBs(data.staticUBs, true)
            if (data.transponder)
                Controller.chooseTransponder(rowOfUb(data.ubNumber), data.transponder)
            waitForRendering(screen)
            var slot = slotOf(data.ubNumber, data.slot)
            compare(slot.box, null)
            var likeness = pixelsOf(slot)
            var text = slot.likenessText.text
            verify(Qt.colorEqual(slot.likenessText.color, data.colour), "" + slot.likenessText.color)
            mouseMove(slot, slot.width / 2, slot.height / 2)
            tryVerify(function () { return slot.box !== null }, 3000, "no box made")
            compare(slot.box.displayText, text)
            // Gone with the box there.
            compare(slot.likenessText, null)
            mouseMove(root, root.width - 1, root.height - 1)
            waitForRendering(slot.box)
            var box = pixelsOf(slot)
            verify(box.some(function (pixel) { return pixel !== box[0] }), "nothing drawn")
            compare(box, likeness, "the likeness of \"" + text + "\" differs from its box")
        }

        // Tab from the list walks the rows' real boxes in reading order, as
        // it did when the rows made them at once, and Backtab walks back.
        function test_tabReachesTheBoxes() {
            var slots = shownSlots()
            listView.forceActiveFocus()
            for (var i = 0; i < slots.length; ++i) {
                keyClick(Qt.Key_Tab)
                var box = slots[i].box
                verify(box !== null, "Tab " + (i + 1) + " made no box for " + slots[i].Accessible.name)
                verify(box.activeFocus, "Tab " + (i + 1) + " missed " + slots[i].Accessible.name)
                verify(box.visualFocus, "no focus frame on " + slots[i].Accessible.name)
                compare(box.Accessible.name, slots[i].Accessible.name)
            }
            for (i = slots.length - 2; i >= slots.length - 4; --i) {
                keyClick(Qt.Key_Tab, Qt.ShiftModifier)
                verify(slots[i].box.activeFocus, "Backtab missed " + slots[i].Accessible.name)
            }
            // The keys reach the box: the next line, as before.
            var row = rowIndexOf(slots[slots.length - 4])
            var line = Plan.data(Plan.index(row, 0), modelRoles.line)
            keyClick(line < 3 ? Qt.Key_Down : Qt.Key_Up)
            compare(Plan.data(Plan.index(row, 0), modelRoles.line), line < 3 ? line + 1 : line - 1)
        }

        function test_pointerMakesOnlyItsBox() {
            var slot = slotOf(22, "lineSlot")
            mouseMove(slot, 5, 5)
            tryVerify(function () { return slot.box !== null }, 3000, "no box made under the pointer")
            compare(slotOf(23, "lineSlot").box, null)
            compare(slotOf(21, "lineSlot").box, null)
        }

        // A press without a pointer over the box first (a touch), or the
        // press of an assistive tool, makes the box and opens it.
        function test_pressOpensTheBox_data() {
            return [
                { tag: "touch", assistive: false },
                { tag: "assistive tool", assistive: true },
            ]
        }

        function test_pressOpensTheBox(data) {
            var slot = slotOf(20, "lineSlot")
            if (data.assistive) {
                slot.Accessible.pressAction()
            } else {
                mousePress(slot, 5, 5)
                verify(slot.box !== null, "no box made by the press")
                mouseRelease(slot, 5, 5)
            }
            verify(slot.box !== null, "no box made")
            tryCompare(slot.box.popup, "visible", true)
            verify(slot.box.activeFocus)
            keyClick(Qt.Key_Escape)
            tryCompare(slot.box.popup, "visible", false)
            compare(Plan.data(Plan.index(rowIndexOf(slot), 0), modelRoles.line), 0)
        }
    }
}
