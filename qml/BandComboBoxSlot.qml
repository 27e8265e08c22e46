import QtQuick 2.7

// Where a row of the band list keeps one of its combo boxes. Made with every
// row the window shows, the boxes added to its first frame and its memory,
// though a user opens few of them. So the slot first shows a likeness of the
// box closed (a few plain items, drawn as the box draws itself: BandComboBox
// in the program's style) and makes the real box when it is first needed:
// when the pointer enters it, a press lands on it, the keyboard walk (Tab,
// Backtab) reaches it or an assistive tool presses it. From then on the box
// is there as before; the slot passes its values on.
Item {
    id: slot

    // What the box offers and which entry the plan holds.
    property var model
    property string textRole: ""
    property int currentIndex: -1
    // The entry's text, the box's own once it is made.
    readonly property string currentText: box ? box.currentText : textAt(currentIndex)
    // What the closed box shows, and in which colour.
    property string displayText: currentText
    property color textColor: "black"

    // The real box once it is made, else null.
    readonly property Item box: loader.item
    // While the pointer is over the box (its tool tip waits for it).
    readonly property alias pointerInside: pointer.containsMouse
    // The likeness's text as drawn, while it is shown.
    readonly property Item likenessText: likeness.item ? likeness.item.text : null

    // An entry chosen in the box, as its activated().
    signal activated(int index)
    // A wheel turn over the box, which leaves the box alone.
    signal wheelTurned(var wheel)

    function textAt(index) {
        if (!model || index < 0)
            return ""
        if (Array.isArray(model))
            return index < model.length ? "" + model[index] : ""
        return index < model.count ? model.text(index) : ""
    }

    // Makes the box now if it is not yet; gives it.
    function build() {
        loader.active = true
        return loader.item
    }

    // Makes the box if need be and opens its list, as a click on it does.
    function open(reason) {
        build().forceActiveFocus(reason)
        box.popup.open()
    }

    height: 22
    // Until the box is there, the keyboard walk stops here and goes on to it
    // (which must leave first: the item with the focus stays in the walk).
    activeFocusOnTab: !box || activeFocus
    Accessible.role: Accessible.ComboBox
    Accessible.ignored: box !== null
    Accessible.onPressAction: open(Qt.OtherFocusReason)
    onActiveFocusChanged: {
        if (activeFocus)
            build().forceActiveFocus(Qt.TabFocusReason)
    }

    // The likeness: the style's closed box (its button colour) with
    // BandComboBox's text and arrow; made only while it is to be seen (the
    // boxes of the other row type are hidden).
    Loader {
        id: likeness
        anchors.fill: parent
        active: slot.visible && !slot.box
        sourceComponent: Rectangle {
            readonly property alias text: content

            color: "#e0e0e0"

            Text {
                id: content
                width: parent.width - arrow.width - 8
                height: parent.height
                textFormat: Text.PlainText
                leftPadding: 4
                text: slot.displayText
                font.pixelSize: 12
                color: slot.textColor
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }

            Text {
                id: arrow
                x: parent.width - width - 5
                y: (parent.height - height) / 2
                textFormat: Text.PlainText
                text: "\u25BE"
                font.pixelSize: 12
                color: "#353637"
            }
        }
    }

    Loader {
        id: loader
        anchors.fill: parent
        active: false
        sourceComponent: Component {
            BandComboBox {
                id: realBox
                model: slot.model
                textRole: slot.textRole
                textColor: slot.textColor
                displayText: slot.displayText
                Accessible.name: slot.Accessible.name
                onActivated: function (index) { slot.activated(index) }

                // The plan's entry; an assignment in between (a refused
                // choice put back) leaves this in place for the next change.
                Binding {
                    target: realBox
                    property: "currentIndex"
                    value: slot.currentIndex
                }
            }
        }
    }

    // Over the box, never taking its presses once it is there: the pointer
    // makes it, a wheel turn goes to the list.
    MouseArea {
        id: pointer
        anchors.fill: parent
        hoverEnabled: true
        // A press that made the box keeps its button until its release.
        acceptedButtons: slot.box && !pressed ? Qt.NoButton : Qt.LeftButton
        onContainsMouseChanged: {
            if (containsMouse)
                slot.build()
        }
        // Without a pointer that came first (a touch), the press makes the
        // box and the click opens it, as the box's own click would.
        onPressed: slot.build()
        onClicked: slot.open(Qt.MouseFocusReason)
        onWheel: function (wheel) { slot.wheelTurned(wheel) }
    }
}
