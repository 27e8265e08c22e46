import QtQuick 2.9

// A question answered Yes (accepted) or No (rejected); Escape answers No.
MessageBox {
    cancelable: true
    okButton.text: qsTr("Yes")
    cancelButton.text: qsTr("No")
}
