#include "app/parameters_file.h"

#include "model/xml/xml_element_class.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <memory>

namespace {

const QString iniElement = QStringLiteral("ini");
const QString deviceAttribute = QStringLiteral("device");
const QString deviceName = QStringLiteral("Kd625");
const QString descLeaf = QStringLiteral("desc");
const QString langLeaf = QStringLiteral("lang");
const QString langNameLeaf = QStringLiteral("lang_name");

std::unique_ptr<xml_element_class> newRoot()
{
    auto root = std::make_unique<xml_element_class>(-1);
    root->name = QStringLiteral("@root");
    return root;
}

// The parsed file when it is valid and its "ini" element is ours; null otherwise.
std::unique_ptr<xml_element_class> readOurTree(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    auto root = newRoot();
    QString line;
    while (xml_element_class::parse(*root, stream, line)) {
    }
    if (!root->isValid())
        return nullptr;
    const xml_node_class *ini = root->findChild(iniElement);
    if (!ini || ini->attribute(deviceAttribute) != deviceName)
        return nullptr;
    return root;
}

} // namespace

saved_language readSavedLanguage(const QString &path)
{
    saved_language saved;
    if (const auto root = readOurTree(path)) {
        const xml_node_class *ini = root->findChild(iniElement);
        saved.code = ini->leafText(langLeaf, Qt::CaseInsensitive);
        saved.name = ini->leafText(langNameLeaf, Qt::CaseInsensitive);
    }
    return saved;
}

bool saveLanguage(const QString &path, const QString &code, const QString &name)
{
    auto root = readOurTree(path);
    xml_node_class *ini = root ? root->findChild(iniElement) : nullptr;
    if (!ini) {
        root = newRoot();
        ini = &root->addChild(iniElement);
        ini->setAttribute(deviceAttribute, deviceName);
    }
    ini->setLeaf(descLeaf, QStringLiteral("Kd620 parameters file"));
    ini->setLeaf(langLeaf, code);
    ini->setLeaf(langNameLeaf, name);

    // Written whole or not at all: a failed write leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    xml_node_class::write(stream, xml_node_class(*ini));
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
