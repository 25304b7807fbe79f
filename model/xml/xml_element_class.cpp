#include "model/xml/xml_element_class.h"

#include "model/user_interaction.h"

#include <QCoreApplication>
#include <QTextStream>

xml_element_class::xml_element_class(int level) : xml_node_class(level) {}

QTextStream &xml_element_class::write(QTextStream &stream, const xml_element_class &element)
{
    if (element.hasChildren)
        return xml_node_class::write(stream, xml_node_class(element));
    return xml_leaf_class::write(stream, xml_leaf_class(element, element.level));
}

void xml_element_class::preview() const
{
    QString shown;
    QTextStream stream(&shown);
    xml_node_class::write(stream, xml_node_class(*this));
    stream.flush();
    showMessage(message_icon::Information, QCoreApplication::translate("xml_element_class", "Preview: "), shown,
                message_button::Ok, message_button::NoButton, dialog_parent::None);
}
