#include "model/config_file_descriptions.h"

#include "model/config_file_format.h"
#include "model/controller_configuration_class.h"
#include "model/description_bound.h"
#include "model/event_code.h"
#include "model/xml/xml_escape.h"
#include "model/xml/xml_node_class.h"

#include <QTextStream>

#include <algorithm>

using namespace config_file_format;

namespace {

// A group of descriptions numbered 1..count, one array of the controller.
struct description_group {
    const char *element;
    const char *lineElement;
    int count;
    QString *(*texts)(controller_configuration_class &c);
};

const description_group DescriptionGroups[] = {
    {"scenes", "scene", int(image_layout::SceneCount), [](controller_configuration_class &c) { return c.sceneDescs.data(); }},
    {"masks", "mask", int(image_layout::MaskCount), [](controller_configuration_class &c) { return c.maskDescs.data(); }},
    {"programs", "program", int(image_layout::ProgramCount), [](controller_configuration_class &c) { return c.programDescs.data(); }},
    {"states", "state", controller_configuration_class::StateCount, [](controller_configuration_class &c) { return c.stateDescs.data(); }},
    {"inputs", "input", int(image_layout::InputCount), [](controller_configuration_class &c) { return c.inputDescs.data(); }},
    {"RCU", "key", controller_configuration_class::RcuKeyCount, [](controller_configuration_class &c) { return c.rcuKeyDescs.data(); }},
};

// A range of event descriptions: number n (1..numbers) owns eventsPerNumber consecutive
// events, told apart by the mode word.
struct event_group {
    const char *element;
    const char *lineElement;
    u16 firstCode;
    int numbers;
    int eventsPerNumber;
};

const event_group EventGroups[] = {
    {"dmxin", "chnl", EventDmxIn, 512, 2},
    {"virtual", "event", EventInternal, 1024, 1},
    {"timers", "timer", EventTimer, 1024, 1},
    {"dmxout", "chnl", EventDmxOut, 512, 2},
    {"delays", "delay", EventDelay, int(image_layout::DelayCount), 1},
    {"sequences", "sequence", EventSequence, int(image_layout::SequenceCount), 1},
    {"RCU", "key", EventRcuKey, controller_configuration_class::RcuKeyCount, 3},
    {"inputs", "input", EventInput, int(image_layout::InputCount), 2},
};

// Mode words of the events of one number, by position.
const char *const TwoEventModes[] = {"on", "off"};
const char *const KeyEventModes[] = {"prsd", "rptd", "rlsd"};

// The position a mode word selects, whatever group it stands in; -1 for another word.
int modePosition(const QString &mode)
{
    if (mode == QLatin1String("on") || mode == QLatin1String("prsd"))
        return 0;
    if (mode == QLatin1String("off") || mode == QLatin1String("rptd"))
        return 1;
    if (mode == QLatin1String("rlsd"))
        return 2;
    return -1;
}

void writeLine(QTextStream &out, const QString &text)
{
    out << text << '\n';
}

void writeDescriptionLine(QTextStream &out, const char *lineElement, int number, const char *mode, const QString &text)
{
    QString line = QLatin1Char('<') + QLatin1String(lineElement) + QLatin1String(" nr=\"") + QString::number(number);
    if (mode)
        line += QLatin1String("\" mode=\"") + QLatin1String(mode);
    line += QLatin1String("\">") + xml_escapeText(text) + QLatin1String("</") + QLatin1String(lineElement) + QLatin1Char('>');
    writeLine(out, line);
}

void writeGroup(QTextStream &out, const description_group &group, controller_configuration_class &c)
{
    const QString *texts = group.texts(c);
    writeLine(out, QLatin1Char('<') + QLatin1String(group.element) + QLatin1Char('>'));
    for (int i = 0; i < group.count; ++i) {
        if (!texts[i].isEmpty())
            writeDescriptionLine(out, group.lineElement, i + 1, nullptr, texts[i]);
    }
    writeLine(out, QLatin1String("</") + QLatin1String(group.element) + QLatin1Char('>'));
}

void writeEventGroup(QTextStream &out, const event_group &group, controller_configuration_class &c)
{
    const char *const *modes = group.eventsPerNumber == 3 ? KeyEventModes : TwoEventModes;
    writeLine(out, QLatin1Char('<') + QLatin1String(group.element) + QLatin1Char('>'));
    for (int i = 0; i < group.numbers * group.eventsPerNumber; ++i) {
        const QString &text = c.eventDescs[group.firstCode + i];
        if (text.isEmpty())
            continue;
        writeDescriptionLine(out, group.lineElement, i / group.eventsPerNumber + 1,
                             group.eventsPerNumber > 1 ? modes[i % group.eventsPerNumber] : nullptr, text);
    }
    writeLine(out, QLatin1String("</") + QLatin1String(group.element) + QLatin1Char('>'));
}

// The description a line of a group sets, or null when the line is to be passed over.
QString *plainTarget(const description_group &group, const xml_leaf_class &leaf, controller_configuration_class &c)
{
    const int number = leaf.attribute(QStringLiteral("nr")).toInt();
    if (number < 1 || number > group.count)
        return nullptr;
    return group.texts(c) + (number - 1);
}

QString *eventTarget(const event_group &group, const xml_leaf_class &leaf, controller_configuration_class &c)
{
    const int number = leaf.attribute(QStringLiteral("nr")).toInt();
    if (number < 1 || number > group.numbers)
        return nullptr;
    int position = 0;
    if (group.eventsPerNumber > 1) {
        position = modePosition(leaf.attribute(QStringLiteral("mode")));
        // A third event ("rlsd") exists only for remote-control keys.
        if (position < 0 || position >= group.eventsPerNumber)
            return nullptr;
    }
    return &c.eventDescs[group.firstCode + group.eventsPerNumber * (number - 1) + position];
}

template <typename Group, typename Target>
void takeGroup(const xml_node_class &node, const Group &group, controller_configuration_class &c, Target target)
{
    for (const xml_leaf_class &leaf : node.leaves) {
        if (leaf.text.isEmpty())
            continue;
        // A longer text than a description holds comes from no file of ours: held to the
        // bound, it is written again on a line that reads back.
        if (QString *description = target(group, leaf, c))
            *description = description_bound::bounded(xml_unescapeText(leaf.text));
    }
}

template <typename Group, std::size_t N>
const Group *groupNamed(const Group (&groups)[N], const QString &name)
{
    for (const Group &group : groups) {
        if (name == QLatin1String(group.element))
            return &group;
    }
    return nullptr;
}

void takeEvents(const xml_node_class &events, controller_configuration_class &c)
{
    for (const xml_node_class &node : events.children) {
        if (const event_group *group = groupNamed(EventGroups, node.name))
            takeGroup(node, *group, c, eventTarget);
    }
}

// The local 8-bit text, cut to at most 100 bytes without splitting a character.
QByteArray blockText(const QString &text)
{
    QByteArray bytes = text.toLocal8Bit();
    qsizetype characters = text.size();
    while (bytes.size() > qsizetype(DescriptionBlockSize)) {
        // Every character takes at least one byte: nothing past 100 characters can fit.
        characters = std::min(characters - 1, qsizetype(DescriptionBlockSize));
        if (characters > 0 && text.at(characters - 1).isHighSurrogate())
            --characters;
        bytes = text.left(characters).toLocal8Bit();
    }
    return bytes;
}

void appendBlocks(QByteArray &data, const QString *texts, u32 count)
{
    for (u32 i = 0; i < count; ++i) {
        QByteArray block = blockText(texts[i]);
        block.append(qsizetype(DescriptionBlockSize) - block.size(), '\0');
        data += block;
    }
}

// Takes the blocks of one group when data reaches past them.
void takeBlocks(const QByteArray &data, u32 offset, QString *texts, u32 count)
{
    if (u32(data.size()) < offset + DescriptionBlockSize * count)
        return;
    for (u32 i = 0; i < count; ++i) {
        const char *block = data.constData() + offset + DescriptionBlockSize * i;
        texts[i] = QString::fromLocal8Bit(block, qstrnlen(block, DescriptionBlockSize));
    }
}

} // namespace

namespace config_file_descriptions {

void writeProjectDescription(QTextStream &out, controller_configuration_class &c, const QByteArray &dateText)
{
    writeLine(out, QString());
    writeLine(out, QStringLiteral("<project>"));
    writeLine(out, QStringLiteral("<contents>Light visualisation project description</contents>"));
    writeLine(out, QLatin1String("<date>") + QLatin1String(dateText) + QLatin1String("</date>"));
    writeLine(out, QStringLiteral("<release>0.0.0.1</release>"));
    writeLine(out, QStringLiteral("<target>Kd620</target>"));
    writeLine(out, QStringLiteral("<descriptions>"));
    for (const description_group &group : DescriptionGroups)
        writeGroup(out, group, c);
    writeLine(out, QStringLiteral("<events>"));
    for (const event_group &group : EventGroups)
        writeEventGroup(out, group, c);
    writeLine(out, QStringLiteral("</events>"));
    writeLine(out, QStringLiteral("</descriptions>"));
    writeLine(out, QStringLiteral("<library></library>"));
    writeLine(out, QStringLiteral("<devices></devices>"));
    writeLine(out, QStringLiteral("<groups></groups>"));
    writeLine(out, QStringLiteral("</project>"));
}

void takeProjectDescription(xml_node_class &root, controller_configuration_class &c)
{
    xml_node_class *project = root.findChild(QStringLiteral("project"));
    xml_node_class *descriptions = project ? project->findChild(QStringLiteral("descriptions")) : nullptr;
    if (!descriptions)
        return;
    for (const xml_node_class &node : descriptions->children) {
        if (node.name == QLatin1String("events"))
            takeEvents(node, c);
        else if (const description_group *group = groupNamed(DescriptionGroups, node.name))
            takeGroup(node, *group, c, plainTarget);
    }
}

QByteArray oldFormatBlocks(controller_configuration_class &c)
{
    QByteArray data;
    data.reserve(qsizetype(OldDataSize - OldSceneBlocks));
    appendBlocks(data, c.sceneDescs.data(), image_layout::SceneCount);
    appendBlocks(data, c.programDescs.data(), image_layout::ProgramCount);
    appendBlocks(data, c.eventDescs.data() + EventSequence, image_layout::SequenceCount);
    appendBlocks(data, c.maskDescs.data(), image_layout::MaskCount);
    return data;
}

void takeOldFormatBlocks(const QByteArray &data, controller_configuration_class &c)
{
    takeBlocks(data, OldSceneBlocks, c.sceneDescs.data(), image_layout::SceneCount);
    takeBlocks(data, OldProgramBlocks, c.programDescs.data(), image_layout::ProgramCount);
    takeBlocks(data, OldSequenceBlocks, c.eventDescs.data() + EventSequence, image_layout::SequenceCount);
    takeBlocks(data, OldMaskBlocks, c.maskDescs.data(), image_layout::MaskCount);
}

} // namespace config_file_descriptions
