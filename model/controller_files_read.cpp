#include "model/controller_configuration_class.h"

#include "model/bounded_line.h"
#include "model/config_file_decoder.h"
#include "model/config_file_descriptions.h"
#include "model/config_file_format.h"
#include "model/config_file_report.h"
#include "model/user_interaction.h"
#include "model/xml/xml_element_class.h"
#include "model/xml/xml_leaf_class.h"
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

void addError(xml_element_class &root, QLatin1String text)
{
    root.leaves.append(xml_leaf_class(xml_names::Error, text, root.level + 1));
}

enum class description_start { Found, None, ReadFailed };

// Passes over the empty lines in front of the description; line then holds the first
// other one, trimmed. The lines are read as the parser reads the rest: an over-long one
// is cut and marked in the tree. None when the text does not start like a description,
// or is one last line; a last line that had to be cut is left for the parser to report.
description_start findDescriptionStart(QTextStream &in, xml_element_class &root, QString &line)
{
    do {
        const bounded_line::result read = bounded_line::read(in, line);
        if (read == bounded_line::result::Failed)
            return description_start::ReadFailed;
        if (read == bounded_line::result::TooLong)
            addError(root, xml_names::LineTooLong);
        line = line.trimmed();
    } while (line.isEmpty() && !in.atEnd());
    const bool cut = !root.isValid();
    if (!line.startsWith(QLatin1Char('<')) || (in.atEnd() && !cut))
        return description_start::None;
    return description_start::Found;
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

    xml_element_class root(-1);
    root.name = xml_names::Root;
    QString line;
    switch (findDescriptionStart(in, root, line)) {
    case description_start::None:
        return;
    case description_start::ReadFailed:  // reported like a read the parser saw fail
        addError(root, xml_names::ReadError);
        break;
    case description_start::Found:
        while (xml_element_class::parse(root, in, line)) {
        }
        break;
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
        // as they were, unpacked edits included. No new configuration is announced either,
        // so the pages keep what they show and an edit open on them stays open.
        reportConfigFileOutcome(false,
                                QCoreApplication::translate("kd620_controller_class",
                                                            "Data read from file\n       failed!\n\nFile corrupted."),
                                fileName, retitlesWindow);
        return -1;
    case config_file_status::Ok:
        break;
    }

    clearCategories(ClearEverything);  // the file's configuration is announced as read, below
    std::memcpy(confData, contents.data.constData(), image_layout::ImageSize);
    if (contents.oldFormat)
        config_file_descriptions::takeOldFormatBlocks(contents.data, *this);
    else
        readProjectDescription(file, contents.xmlOffset, fileName, *this);
    contents.data.clear();

    rebuildStores();
    emit readFileFinished();
    emit fileSavedOrOpened(fileName);
    reportConfigFileOutcome(
        true, QCoreApplication::translate("kd620_controller_class", "Data read from file\n    successful!"), fileName,
        retitlesWindow);
    return 0;
}
