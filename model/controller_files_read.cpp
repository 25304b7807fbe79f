#include "model/controller_configuration_class.h"

#include "model/config_file_decoder.h"
#include "model/config_file_descriptions.h"
#include "model/config_file_format.h"
#include "model/config_file_report.h"
#include "model/user_interaction.h"
#include "model/xml/xml_element_class.h"
#include "model/xml/xml_names.h"
#include "model/xml/xml_report.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringConverter>
#include <QTextStream>

#include <cstring>

using namespace config_file_format;

namespace {

void warn(const QString &title, const QString &text)
{
    showMessage(message_icon::Warning, title, text, message_button::Ok);
}

config_file_contents readAndCheck(QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return config_file_decoder::decode(file.read(ReadLimit), file.size());
}

// The XML project description from offset on, into c's descriptions. A text that does not
// start like one is passed over; one that does not parse cleanly is logged to
// "xml_report.log" and passed over with a warning: the image itself was read all the same.
void readProjectDescription(QFile &file, qint64 offset, const QString &fileName, controller_configuration_class &c)
{
    QTextStream in(&file);
    in.setEncoding(QStringConverter::System);
    if (!in.seek(offset))
        return;
    QString line;
    do {
        line = in.readLine().trimmed();
    } while (line.isEmpty() && !in.atEnd());
    if (in.atEnd() || !line.startsWith(QLatin1Char('<')))
        return;

    xml_element_class root(-1);
    root.name = xml_names::Root;
    while (xml_element_class::parse(root, in, line)) {
    }
    if (!root.isValid()) {
        writeXmlReport(root);
        warn(QCoreApplication::translate("kd620_controller_class", "Errors occured!"),
             QCoreApplication::translate("kd620_controller_class",
                                         "Errors parsing file\n\"%1\" occured!\nRefer to \"xml_report.log\".")
                 .arg(fileName));
        return;
    }
    root.fixLevels();
    config_file_descriptions::takeProjectDescription(root, c);
}

} // namespace

int controller_configuration_class::read_confDataFromFile(QString fileName)
{
    QFile file(fileName);
    config_file_contents contents = readAndCheck(file);

    switch (contents.status) {
    case config_file_status::OldestFormat:
        warn(QCoreApplication::translate("kd620_controller_class", "Older version!"),
             QCoreApplication::translate("kd620_controller_class",
                                         "The file contains previous version of configuration!\nTo convert it into "
                                         "current format try get\na converting program from QVR website!"));
        return -1;
    case config_file_status::MisplacedInfoBlock:
        warn(QCoreApplication::translate("kd620_controller_class", "Invalid file!"),
             QCoreApplication::translate("kd620_controller_class",
                                         "This file is not a valid project description file:\n\"%1\"")
                 .arg(fileName));
        return -1;
    case config_file_status::Corrupted:
        // Nothing was taken from the file: the configuration and its stores stay exactly
        // as they were, unpacked edits included.
        emit readFileFinished();
        reportConfigFileOutcome(false,
                                QCoreApplication::translate("kd620_controller_class",
                                                            "Data read from file\n       failed!\n\nFile corrupted."),
                                fileName);
        return -1;
    case config_file_status::Ok:
        break;
    }

    ClearConfig(ClearEverything);
    std::memcpy(confData, contents.data.constData(), image_layout::ImageSize);
    if (contents.oldFormat)
        config_file_descriptions::takeOldFormatBlocks(contents.data, *this);
    else
        readProjectDescription(file, contents.xmlOffset, fileName, *this);
    contents.data.clear();

    rebuildStores();
    emit readFileFinished();
    reportConfigFileOutcome(
        true, QCoreApplication::translate("kd620_controller_class", "Data read from file\n    successful!"), fileName);
    return 0;
}
