// The same message twice, once split over two literals and named with its
// context: check-texts-once.py must find it.
QString Copies::first()
{
    return tr("The switch answered with something unexpected.");
}

QString Copies::second()
{
    return QCoreApplication::translate("Copies", "The switch answered "
                                                 "with something unexpected.");
}

// Short texts may repeat.
QString Copies::third() { return tr("Close") + tr("Close"); }
