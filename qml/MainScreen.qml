import QtQuick 2.7

MainScreenForm {
}
