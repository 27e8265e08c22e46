import QtQuick 2.7
import QtQuick.Controls 2.0
import "LNBModels.js" as LNBModels

Item {
    id: delegateRoot
    width: ListView.view ? ListView.view.width : 0
    height: 30
    clip: true

    // The row's record; writing one of its properties writes the model's role.
    readonly property var rowData: model
    readonly property int rowUbNumber: model.ubNumber
    readonly property bool isDynamic: model.type === "dynamic"
    // A transponder number the satellite data lack is kept and marked: the
    // index of its entry in the TP box, -1 when there is none.
    property int unknownTpIndex: -1
    readonly property bool tpUnknown: unknownTpIndex >= 0 && tpSelectBox.currentIndex === unknownTpIndex
    readonly property color tpTextColor: model.freq < 1 || tpUnknown ? "red" : "black"

    property alias background: background
    property alias ubText: ubText
    property alias localUBText: localUBText
    property alias typeText: typeText
    property alias lineSelectBox: lineSelectBox
    property alias lnbSelectBox: lnbSelectBox
    property alias tpSelectBox: tpSelectBox
    property alias tpItemsModel: tpItemsModel

    ListModel {
        id: tpItemsModel
        ListElement {
            text: ""
            freq: 0
            tpValue: ""
        }
    }

    function rowColor(type, line) {
        if (type === "static")
            return "ivory"
        if (line === 0)
            return "#cceeff"
        if (line === 1)
            return "#99ddff"
        if (line === 2)
            return "#66ccff"
        return "#1ab2ff"
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

    function chooseLnb(index) {
        if (index < 0)
            return
        if (index !== rowData.lnb) {
            rowData.lnb = index
            tpSelectBox.currentIndex = 0
            chooseTransponder(0)
        }
        updateLNBBoxToCurrentSatelite()
    }

    // Entry 0 is "not assigned"; an unassigned static UB has no frequency.
    function chooseTransponder(index) {
        if (isDynamic || index < 0 || index >= tpItemsModel.count)
            return
        if (index === 0) {
            if (rowData.tp !== -1) {
                rowData.tp = -1
                rowData.freq = 0
            }
            return
        }
        var entry = tpItemsModel.get(index)
        var number = LNBModels.tpNumber(entry.tpValue)
        if (isNaN(number) || number === rowData.tp)
            return
        rowData.tp = number
        rowData.freq = entry.freq
    }

    function updateLNBBoxToCurrentSatelite() {
        var name = rowData.lnb === 1 ? ubListViewModel.lnb2 : ubListViewModel.lnb1
        if (name === lnbSelectBox.satelite)
            return
        lnbSelectBox.satelite = name
        tpItemsModel.clear()
        unknownTpIndex = -1
        LNBModels.loadLNBModels(ubModelController)
        var list = LNBModels.modelFor(name)
        if (list)
            tpItemsModel.append(list)
        // An emptied box shows no entry until it is told which.
        if (tpItemsModel.count > 0 && tpSelectBox.currentIndex < 0)
            tpSelectBox.currentIndex = 0
    }

    // Only static rows list transponders; a dynamic row builds its list when
    // it becomes static, and its frequency is never touched here.
    function updateTPSelectBox() {
        if (isDynamic)
            return
        updateLNBBoxToCurrentSatelite()
        var wanted = 0
        if (rowData.tp !== -1) {
            var value = LNBModels.twoDigits(rowData.tp)
            for (var i = 1; i < tpItemsModel.count; ++i) {
                if (tpItemsModel.get(i).tpValue === value) {
                    wanted = i
                    break
                }
            }
            // A number the data lack stays the plan's: an entry of its own
            // shows it, marked, and the sheet and the check before a
            // transfer name it.
            if (wanted === 0 && tpItemsModel.count > 0) {
                var last = tpItemsModel.count - 1
                var text = qsTr("%1, not in the satellite data").arg(value)
                if (last > 0 && tpItemsModel.get(last).text === text) {
                    wanted = last
                } else {
                    tpItemsModel.append({ "text": text, "freq": rowData.freq, "tpValue": value })
                    wanted = tpItemsModel.count - 1
                }
                unknownTpIndex = wanted
            }
        }
        if (wanted !== tpSelectBox.currentIndex && wanted < tpItemsModel.count)
            tpSelectBox.currentIndex = wanted
    }

    // A new satellite on an LNB invalidates the transponders of its static UBs.
    function satelliteChanged(lnbIndex) {
        if (isDynamic || lnbSelectBox.currentIndex !== lnbIndex)
            return
        updateLNBBoxToCurrentSatelite()
        tpSelectBox.currentIndex = 0
        chooseTransponder(0)
    }

    Component.onCompleted: updateTPSelectBox()

    Connections {
        target: ubListViewModel
        function onLnb1Changed(lnb) {
            delegateRoot.satelliteChanged(0)
        }
        function onLnb2Changed(lnb) {
            delegateRoot.satelliteChanged(1)
        }
        function onListChanged() {
            delegateRoot.updateTPSelectBox()
        }
    }

    // New satellite data: the lists are built again from them.
    Connections {
        target: ubModelController
        function onSatelliteDataChanged() {
            lnbSelectBox.satelite = ""
            delegateRoot.updateTPSelectBox()
        }
    }

    Rectangle {
        id: background
        anchors.fill: parent
        anchors.margins: 2
        radius: 5
        border.color: "black"
        color: delegateRoot.rowColor(model.type, model.line)

        Row {
            id: rowLayout
            width: parent.width
            height: parent.height
            spacing: 10
            anchors.verticalCenter: parent.verticalCenter

            Text {
                id: ubText
                anchors.verticalCenter: parent.verticalCenter
                font.pixelSize: 12
                text: " UB" + LNBModels.twoDigits(model.ubNumber + 1)
            }

            Rectangle {
                width: 2
                height: parent.height
                color: "black"
            }

            Row {
                id: dataGroup
                height: parent.height
                spacing: 6
                width: rowLayout.width - typeText.text.length * typeText.font.pixelSize
                       - ubText.text.length * ubText.font.pixelSize

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: delegateRoot.isDynamic
                    font.pixelSize: 12
                    text: qsTr("Line:")
                }

                BandComboBox {
                    id: lineSelectBox
                    Accessible.name: ubText.text.trim() + " " + qsTr("Line:")
                    anchors.verticalCenter: parent.verticalCenter
                    visible: delegateRoot.isDynamic
                    width: 55
                    model: ["01", "02", "03", "04"]
                    onActivated: function (index) { delegateRoot.chooseLine(index) }

                    MouseArea {
                        anchors.fill: parent
                        acceptedButtons: Qt.NoButton
                        onWheel: function (wheel) { delegateRoot.scrollByWheel(wheel) }
                    }
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: delegateRoot.isDynamic
                    font.pixelSize: 12
                    text: qsTr("LocalUB:")
                }

                Text {
                    id: localUBText
                    anchors.verticalCenter: parent.verticalCenter
                    visible: delegateRoot.isDynamic
                    font.pixelSize: 12
                    text: LNBModels.twoDigits(model.localUB + 1)
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !delegateRoot.isDynamic
                    font.pixelSize: 12
                    text: qsTr("LNB:")
                }

                BandComboBox {
                    id: lnbSelectBox
                    Accessible.name: ubText.text.trim() + " " + qsTr("LNB:")
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !delegateRoot.isDynamic
                    width: 55
                    model: ["01", "02"]
                    // The satellite whose transponders the TP box lists.
                    property string satelite: ""
                    onActivated: function (index) { delegateRoot.chooseLnb(index) }

                    MouseArea {
                        anchors.fill: parent
                        acceptedButtons: Qt.NoButton
                        onWheel: function (wheel) { delegateRoot.scrollByWheel(wheel) }
                    }
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !delegateRoot.isDynamic
                    font.pixelSize: 12
                    text: qsTr("TP:")
                }

                BandComboBox {
                    id: tpSelectBox
                    Accessible.name: ubText.text.trim() + " " + qsTr("TP:")
                    // Red while the static UB has no transponder.
                    textColor: delegateRoot.tpTextColor
                    anchors.verticalCenter: parent.verticalCenter
                    visible: !delegateRoot.isDynamic
                    width: 160
                    model: tpItemsModel
                    textRole: "text"
                    onActivated: function (index) { delegateRoot.chooseTransponder(index) }

                    MouseArea {
                        anchors.fill: parent
                        acceptedButtons: Qt.NoButton
                        onWheel: function (wheel) { delegateRoot.scrollByWheel(wheel) }
                    }
                }

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    font.pixelSize: 12
                    text: model.localUBFreq + " MHz"
                }
            }

            Rectangle {
                width: 2
                height: parent.height
                color: "black"
            }

            Text {
                id: typeText
                anchors.verticalCenter: parent.verticalCenter
                font.pixelSize: 12
                text: model.type === "dynamic" ? qsTr("dynamic") : qsTr("static")
            }
        }
    }

    // The boxes show the model; the user's choices go back through activated.
    Binding {
        target: lineSelectBox
        property: "currentIndex"
        value: model.line
    }

    Binding {
        target: lnbSelectBox
        property: "currentIndex"
        value: model.lnb
    }

}
