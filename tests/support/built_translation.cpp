#include "tests/support/built_translation.h"

#include <QCoreApplication>
#include <QDir>

built_translation::built_translation(const QString &code)
{
    if (code == QLatin1String("en")) {
        isLoaded = true;
        return;
    }
    const QString file = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Varidex625_"))
        + code + QStringLiteral(".qm");
    isLoaded = translator.load(file);
    if (isLoaded)
        installed = QCoreApplication::installTranslator(&translator);
}

built_translation::~built_translation()
{
    if (installed)
        QCoreApplication::removeTranslator(&translator);
}
