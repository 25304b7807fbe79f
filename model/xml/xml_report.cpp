#include "model/xml/xml_report.h"

#include "model/xml/xml_element_class.h"

#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

bool writeXmlReport(const xml_element_class &root)
{
    QSaveFile file(QString::fromLatin1(XmlReportFileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::System);
    xml_node_class::write(stream, xml_node_class(root, -1));
    stream.flush();
    if (stream.status() != QTextStream::Ok) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
