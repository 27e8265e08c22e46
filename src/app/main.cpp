#include "app/FenzoApplication.h"
#include "app/ProgramWindow.h"
#include "db/DownloadChild.h"
#include "io/LogRing.h"
#include "io/ProgramIdentity.h"

#include <QQmlApplicationEngine>

int main(int argc, char **argv)
{
    // The satellite download's own process: before anything else exists.
    if (DownloadChild::isCall(argc, argv))
        return DownloadChild::run(argc, argv);
    // First, so that the support report holds the start-up's lines too.
    LogRing log;
    FenzoApplication app(argc, argv);
    ProgramIdentity::installTranslator();

    QQmlApplicationEngine engine;
    ProgramWindow window(Environment::production(), &log);
    window.load(engine);
    window.start();

    return app.exec();
}
