import QtQuick 2.7
import QtQuick.Controls 2.0
import Fenzo 1.0

// A row of the band list at work: the boxes show the model, and the user's
// choices go to the controller, which keeps the plan's rules (a transponder
// of the LNB's satellite, none after another LNB or satellite).
UBListDelegateForm {
    id: delegateRoot
    width: ListView.view ? ListView.view.width : 0
    // What is sent is what is shown: the row's boxes wait for a transfer's
    // end. The list itself still scrolls.
    enabled: !Device.busy

    // The row's record; writing one of its properties writes the model's role.
    readonly property var rowData: model
    readonly property int rowUbNumber: model.ubNumber
    // The satellite whose transponders the TP box lists.
    readonly property string satelite: model.lnb === 1 ? Plan.lnb2 : Plan.lnb1
    // That satellite's list, shared by every row; null for a name the data
    // lack.
    readonly property var transponderList: Controller.transponderLists
                                           ? Controller.transponderLists.forSatellite(satelite) : null
    // A transponder the satellite data lack is kept and marked with what the
    // plan holds (its number may belong to another); the sheet and the check
    // before a transfer name it.
    readonly property bool tpUnknown: !isDynamic && model.tp >= 0 && transponderList !== null
                                      && (model.transponderMissing || transponderList.indexOf(model.tp) < 0)
    readonly property color tpTextColor: model.freq < 1 || tpUnknown ? "red" : "black"

    function twoDigits(number) {
        return number < 10 ? "0" + number : "" + number
    }

    // A wheel turn over a combo box scrolls the list and leaves the box alone.
    function scrollByWheel(wheel) {
        var view = delegateRoot.ListView.view
        if (view) {
            var maxY = Math.max(0, view.contentHeight - view.height)
            view.contentY = Math.min(Math.max(view.contentY - wheel.angleDelta.y / 5, 0), maxY)
        }
        wheel.accepted = true
    }

    function chooseLine(index) {
        if (index >= 0 && index !== rowData.line)
            rowData.line = index
    }

    // Entry 0 is "not assigned", the last "Other transponder…", which asks
    // for one by hand.
    function chooseTransponder(index) {
        if (isDynamic || index < 0 || !transponderList)
            return
        var transponder = transponderList.transponderAt(index)
        if (transponder === -2) {
            tpSelectBox.currentIndex = tpUnknown ? -1 : transponderList.indexOf(model.tp)
            if (delegateRoot.ListView.view)
                delegateRoot.ListView.view.askOwnTransponder(model.index)
            return
        }
        Controller.chooseTransponder(model.index, transponder)
        // A refused choice leaves the box showing the plan's transponder.
        tpSelectBox.currentIndex = tpUnknown ? -1 : transponderList.indexOf(model.tp)
    }

    isDynamic: model.type === "dynamic"
    background.color: model.rowColour
    ubText.text: " " + model.ubName
    localUBText.text: twoDigits(model.localUB + 1)
    freqText.text: model.localUBFreq + " MHz"
    tpSlot.model: transponderList
    // Red while the static UB has no transponder, or one the data lack.
    tpSlot.textColor: tpTextColor
    tpSlot.displayText: tpUnknown ? qsTr("%1, missing").arg(model.transponderText)
                                  : tpSlot.currentText

    // The boxes show the model; the user's choices go back through activated.
    lineSlot.currentIndex: model.line
    lnbSlot.currentIndex: model.lnb
    // A number the list lacks selects no entry; the box says which it is.
    tpSlot.currentIndex: transponderList && !tpUnknown ? transponderList.indexOf(model.tp) : -1

    lineSlot.onActivated: function (index) { delegateRoot.chooseLine(index) }
    lnbSlot.onActivated: function (index) {
        if (index < 0)
            return
        Controller.chooseLnb(model.index, index)
        lnbSelectBox.currentIndex = model.lnb
    }
    tpSlot.onActivated: function (index) { delegateRoot.chooseTransponder(index) }
    lineSlot.onWheelTurned: function (wheel) { delegateRoot.scrollByWheel(wheel) }
    lnbSlot.onWheelTurned: function (wheel) { delegateRoot.scrollByWheel(wheel) }
    tpSlot.onWheelTurned: function (wheel) { delegateRoot.scrollByWheel(wheel) }

    // The box's whole text on hover, should a narrow box cut it. Made while
    // the pointer is over the box: a tool tip in every row would slow the
    // window's start.
    Loader {
        active: tpSlot.pointerInside
        sourceComponent: Component {
            PlainToolTip {
                parent: tpSlot
                visible: tpSlot.pointerInside && tpSlot.displayText !== ""
                delay: 500
                text: tpSlot.displayText
            }
        }
    }
}
