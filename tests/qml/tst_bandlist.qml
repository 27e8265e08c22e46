import QtQuick 2.7
import QtTest 1.1
import QtQuick.Window 2.13
import "qrc:/"
import Fenzo 1.0

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
        name: "BandList"
        when: windowShown

        readonly property int ubNumberRole: modelRoles.ubNumber
        readonly property int lineRole: modelRoles.line
        readonly property int localUBRole: modelRoles.localUB
        readonly property int freqRole: modelRoles.freq
        readonly property int localUBFreqRole: modelRoles.localUBFreq
        readonly property int typeRole: modelRoles.type
        readonly property int lnbRole: modelRoles.lnb
        readonly property int tpRole: modelRoles.tp

        property var screen: null
        property var listView: null
        property var options: null

        function satelliteName(i) {
            return SatelliteNames.data(SatelliteNames.index(i, 0), 0)
        }

        function requireSatellites() {
            if (SatelliteNames.rowCount() < 3)
                skip("no satellite data")
        }

        function rowOf(ubNumber) {
            for (var row = 0; row < Plan.rowCount(); ++row) {
                if (Plan.data(Plan.index(row, 0), ubNumberRole) === ubNumber)
                    return row
            }
            fail("no UB " + ubNumber)
        }

        function field(ubNumber, role) {
            return Plan.data(Plan.index(rowOf(ubNumber), 0), role)
        }

        function rowItem(ubNumber) {
            listView.positionViewAtIndex(rowOf(ubNumber), ListView.Contain)
            var children = listView.contentItem.children
            for (var i = 0; i < children.length; ++i) {
                if (children[i].rowUbNumber === ubNumber && children[i].rowData !== undefined)
                    return children[i]
            }
            fail("no row for UB " + ubNumber)
        }

        // A row's box as the user meets it: the pointer over its place makes
        // it (the row shows a likeness of it until then).
        function boxOf(ubNumber, name) {
            var slot = rowItem(ubNumber)[name + "Slot"]
            verify(slot.visible, "the " + name + " box of UB " + ubNumber + " is hidden")
            // A row made just now places its boxes when it is next polished.
            waitForItemPolished(slot.parent.parent)
            waitForItemPolished(slot.parent)
            mouseMove(slot, slot.width / 2, slot.height / 2)
            tryVerify(function () { return slot.box !== null }, 3000,
                      "no " + name + " box made for UB " + ubNumber)
            return slot.box
        }

        // The user's way of choosing the next entry of a row's box.
        function chooseNext(box) {
            box.forceActiveFocus()
            verify(box.activeFocus)
            keyClick(Qt.Key_Down)
        }

        function restorePlan() {
            Controller.setStaticUBs(0, true)
            Controller.resetDynamicUBs(true)
            if (SatelliteNames.rowCount() >= 2) {
                Plan.lnb1 = satelliteName(0)
                Plan.lnb2 = satelliteName(1)
            }
        }

        // One screen for the case.
        function initTestCase() {
            restorePlan()
            screen = screenComponent.createObject(root)
            verify(screen !== null)
            listView = screen.mainScreenForm.uBListView1.listView
            options = screen.optionsForm
        }

        function init() {
            restorePlan()
            listView.contentY = 0
            // Away from the list: a box made under a resting pointer would
            // hide its likeness.
            mouseMove(root, root.width - 1, root.height - 1)
        }

        function cleanupTestCase() {
            restorePlan()
        }

        function test_rowTexts() {
            compare(rowItem(0).ubText.text, " UB01")
            compare(rowItem(23).ubText.text, " UB24")
            compare(rowItem(9).ubText.text, " UB10")
            compare(rowItem(0).localUBText.text, "01")
            compare(rowItem(23).localUBText.text, "06")
            compare(rowItem(0).typeText.text, "dynamic")
            verify(rowItem(0).lineSlot.visible)
            verify(!rowItem(0).tpSlot.visible)
            Controller.setStaticUBs(1, true)
            compare(rowItem(23).typeText.text, "static")
            verify(!rowItem(23).lineSlot.visible)
            verify(rowItem(23).lnbSlot.visible)
            verify(rowItem(23).tpSlot.visible)
            compare(rowItem(23).lnbSlot.currentText, "01")
            compare(boxOf(23, "lnb").currentText, "01")
        }

        function test_rowColours_data() {
            return [
                { tag: "line 01", ubNumber: 0, colour: "#cceeff" },
                { tag: "line 02", ubNumber: 1, colour: "#99ddff" },
                { tag: "line 03", ubNumber: 2, colour: "#66ccff" },
                { tag: "line 04", ubNumber: 3, colour: "#1ab2ff" },
                { tag: "static", ubNumber: 23, colour: "ivory", staticUBs: 1 },
            ]
        }

        function test_rowColours(data) {
            if (data.staticUBs)
                Controller.setStaticUBs(data.staticUBs, true)
            var background = rowItem(data.ubNumber).background
            verify(Qt.colorEqual(background.color, data.colour), "" + background.color)
            compare(background.radius, 5)
            compare(background.height, 26)
        }

        function test_lineChoice() {
            var row = rowItem(0)
            var box = boxOf(0, "line")
            compare(box.currentText, "01")
            chooseNext(box)
            compare(field(0, lineRole), 1)
            // The controller renumbered line 02 from the last row upwards.
            compare(field(0, localUBRole), 0)
            compare(field(1, localUBRole), 1)
            compare(field(0, freqRole), 975)
            compare(box.currentText, "02")
            compare(row.localUBText.text, "01")
            verify(Qt.colorEqual(row.background.color, "#99ddff"))
            // A later whole-list change still reaches the box.
            Controller.resetDynamicUBs(true)
            compare(box.currentText, "01")
        }

        function test_staticRowRedWhileUnassigned() {
            Controller.setStaticUBs(2, true)
            var row = rowItem(23)
            compare(field(23, tpRole), -1)
            compare(field(23, freqRole), 0)
            verify(Qt.colorEqual(row.tpTextColor, "red"))
            var box = boxOf(23, "tp")
            verify(Qt.colorEqual(box.contentItem.color, "red"))
            if (SatelliteNames.rowCount() < 3)
                return
            compare(box.currentText, "not assigned")
            chooseNext(box)
            verify(Qt.colorEqual(box.contentItem.color, "black"))
        }

        function test_chooseTransponder() {
            requireSatellites()
            Controller.setStaticUBs(2, true)
            var box = boxOf(23, "tp")
            var ubRow = rowOf(23)
            var seen = []
            function record(topLeft, bottomRight) {
                if (topLeft.row <= ubRow && ubRow <= bottomRight.row)
                    seen.push([field(23, tpRole), field(23, freqRole)])
            }
            Plan.dataChanged.connect(record)
            chooseNext(box)
            Plan.dataChanged.disconnect(record)
            // Transponder and frequency change together.
            compare(seen, [[1, 10714]])
            compare(box.currentText, "01, 10714 MHz V")
            // Back to "not assigned": the frequency stays, the text is not red.
            keyClick(Qt.Key_Up)
            compare(field(23, tpRole), -1)
            compare(field(23, freqRole), 10714)
            compare(box.currentText, "not assigned")
            verify(Qt.colorEqual(box.contentItem.color, "black"))
        }

        function test_lnbSwitchClearsTransponder() {
            requireSatellites()
            Controller.setStaticUBs(2, true)
            var row = rowItem(22)
            chooseNext(boxOf(22, "tp"))
            chooseNext(row.tpSelectBox)
            compare(field(22, tpRole), 2)
            chooseNext(boxOf(22, "lnb"))
            compare(field(22, lnbRole), 1)
            compare(field(22, tpRole), -1)
            compare(field(22, freqRole), 0)
            compare(row.tpSelectBox.currentIndex, 0)
            compare(row.satelite, satelliteName(1))
            compare(row.transponderList.text(1), "21, 11222 MHz V")
            // "not assigned", the satellite's transponders, "Other transponder…".
            compare(row.tpSelectBox.count, 12)
            // The other static row stays on LNB 01.
            compare(rowItem(23).satelite, satelliteName(0))
        }

        function test_otherLnb1SatelliteClearsStaticUBs() {
            requireSatellites()
            Controller.setStaticUBs(3, true)
            chooseNext(boxOf(23, "tp"))
            chooseNext(boxOf(22, "tp"))
            chooseNext(boxOf(21, "lnb"))
            chooseNext(boxOf(21, "tp"))
            compare(field(23, tpRole), 1)
            compare(field(22, tpRole), 1)
            compare(field(21, tpRole), 21)
            var dynamicFreq = field(20, freqRole)

            options.lnb1Box.currentIndex = 2
            options.lnb1Box.activated(2)
            compare(Plan.lnb1, satelliteName(2))
            compare(field(23, tpRole), -1)
            compare(field(22, tpRole), -1)
            compare(field(23, freqRole), 10714)
            compare(field(21, tpRole), 21)
            compare(field(20, freqRole), dynamicFreq)
            compare(boxOf(23, "tp").currentText, "not assigned")
            compare(rowItem(23).transponderList.text(1), "05, 11013 MHz V")
            compare(rowItem(21).transponderList.text(1), "21, 11222 MHz V")
        }

        function test_selectionFromModel() {
            requireSatellites()
            Controller.setStaticUBs(3, true)
            chooseNext(boxOf(23, "tp"))
            chooseNext(rowItem(23).tpSelectBox)
            compare(field(23, tpRole), 2)
            // The first static row hands its transponder to the new first one.
            Controller.setStaticUBs(3, false)
            compare(field(2, tpRole), 2)
            compare(boxOf(2, "tp").currentText, "02, 10733 MHz H")
            compare(field(2, freqRole), 10733)
            compare(boxOf(1, "tp").currentText, "not assigned")
        }

        // Whether the box showed an entry before or not, a number the list
        // lacks stays the plan's, shown and marked as not in the data (the
        // check before a transfer names it).
        function test_unknownTransponderIsKeptAndMarked_data() {
            return [
                { tag: "box on not assigned", chosen: false },
                { tag: "box on a transponder", chosen: true },
            ]
        }

        function test_unknownTransponderIsKeptAndMarked(data) {
            requireSatellites()
            Controller.setStaticUBs(1, true)
            if (data.chosen)
                chooseNext(boxOf(23, "tp"))
            var ubRow = rowOf(23)
            Plan.setData(Plan.index(ubRow, 0), 99, tpRole)
            Plan.setData(Plan.index(ubRow, 0), 12345, freqRole)
            Controller.resetDynamicUBs(false)
            // What the plan holds: its frequency, and the polarisation of
            // the transponder chosen before, if any.
            var box = boxOf(23, "tp")
            verify(/^12345 MHz( [HVLR])?, missing$/.test(box.displayText), box.displayText)
            compare(box.currentIndex, -1)
            verify(rowItem(23).tpUnknown)
            compare(field(23, tpRole), 99)
            compare(field(23, freqRole), 12345)
            // Known again once a listed transponder is chosen.
            rowItem(23).tpSelectBox.currentIndex = 1
            rowItem(23).chooseTransponder(1)
            verify(!rowItem(23).tpUnknown)
        }

        // "Other transponder…" asks for one by hand: a refused one keeps the
        // dialog open with the reason; a new one joins the satellite's list,
        // marked "own", and the UB takes it.
        function test_otherTransponder() {
            requireSatellites()
            Plan.lnb1 = satelliteName(2)
            Controller.setStaticUBs(1, true)
            var row = rowItem(23)
            var list = row.transponderList
            var view = screen.mainScreenForm.uBListView1
            boxOf(23, "tp")
            row.chooseTransponder(list.count - 1)
            tryVerify(function () { return view.ownTransponderDialog !== null }, 5000, "no dialog made")
            var dialog = view.ownTransponderDialog
            tryCompare(dialog, "visible", true)
            compare(dialog.transientParent, screen.Window.window)
            compare(dialog.form.satelliteLabel.text, satelliteName(2))
            compare(field(23, tpRole), -1)
            dialog.form.frequencyField.text = "10699"
            dialog.accept()
            verify(dialog.visible)
            compare(dialog.form.problemLabel.text, "The frequency must lie between 10700 and 12750 MHz.")
            // The data's 11013 MHz V is there already.
            dialog.form.frequencyField.text = "11014"
            dialog.form.polarisationBox.currentIndex = 1
            dialog.accept()
            verify(dialog.visible)
            compare(dialog.form.problemLabel.text, "Eutelsat 13E already has a transponder at 11013 MHz V.")
            dialog.form.frequencyField.text = "12500"
            dialog.form.polarisationBox.currentIndex = 2
            dialog.accept()
            verify(!dialog.visible)
            compare(field(23, freqRole), 12500)
            compare(field(23, tpRole), 15)
            list = rowItem(23).transponderList
            compare(list.text(list.indexOf(15)), "15, 12500 MHz L (own)")
            compare(boxOf(23, "tp").currentText, "15, 12500 MHz L (own)")
            // The keys of the next cases go to the list's window again.
            var window = dialog.transientParent
            window.requestActivate()
            tryVerify(function () { return window.active }, 5000, "the list's window stays inactive")
        }

        // One list per satellite, shared by the rows and kept while the data
        // stay, so that scrolling never builds one again.
        function test_sharedTransponderLists() {
            requireSatellites()
            Controller.setStaticUBs(2, true)
            var list = Controller.transponderLists.forSatellite(satelliteName(0))
            compare(list.count, 14)
            compare(list.text(0), "not assigned")
            compare(list.transponderAt(0), -1)
            compare(list.text(12), "12, 10923 MHz H")
            compare(list.transponderAt(12), 12)
            compare(list.text(13), "Other transponder…")
            compare(list.transponderAt(13), -2)
            compare(list.indexOf(-2), 13)
            verify(rowItem(23).transponderList === list)
            verify(rowItem(22).transponderList === list)
            compare(boxOf(23, "tp").count, 14)
            listView.positionViewAtEnd()
            listView.positionViewAtBeginning()
            verify(Controller.transponderLists.forSatellite(satelliteName(0)) === list)
            compare(Controller.transponderLists.forSatellite("Gone 1.0W"), null)
        }

        function test_scrollAfterStaticChange() {
            Controller.setStaticUBs(3, false)
            verify(listView.contentHeight > listView.height)
            compare(listView.contentY, listView.contentHeight - listView.height)
            Controller.setStaticUBs(3, true)
            compare(listView.contentY, 0)
        }

        function test_wheelScrolls_data() {
            return [
                { tag: "line box", ubNumber: 18, box: "line" },
                { tag: "LNB box", ubNumber: 19, box: "lnb" },
                { tag: "TP box", ubNumber: 19, box: "tp" },
            ]
        }

        function test_wheelScrolls(data) {
            Controller.setStaticUBs(5, true)
            var box = boxOf(data.ubNumber, data.box)
            listView.contentY = 0
            var index = box.currentIndex
            mouseWheel(box, box.width / 2, box.height / 2, 0, -120)
            compare(listView.contentY, 24)
            compare(box.currentIndex, index)
            compare(field(18, lineRole), 2)
            compare(field(19, lnbRole), 0)
            compare(field(19, tpRole), -1)
            // Half a notch back up, then past the top.
            mouseWheel(box, box.width / 2, box.height / 2, 0, 60)
            compare(listView.contentY, 12)
            mouseWheel(box, box.width / 2, box.height / 2, 0, 120)
            compare(listView.contentY, 0)
            compare(box.currentIndex, index)
        }

        function test_wheelStopsAtTheBottom() {
            var maxY = listView.contentHeight - listView.height
            var box = boxOf(0, "line")
            listView.contentY = maxY - 10
            mouseWheel(box, box.width / 2, box.height / 2, 0, -120)
            compare(listView.contentY, maxY)
            compare(field(0, lineRole), 0)
        }
    }
}
