#include "model/rcu_settings_file.h"

#include "model/application_identity.h"
#include "model/bounded_line.h"
#include "model/controller_configuration_class.h"
#include "model/description_bound.h"
#include "model/user_interaction.h"
#include "model/xml/xml_element_class.h"
#include "model/xml/xml_names.h"
#include "model/xml/xml_report.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int KeyCount = controller_configuration_class::RcuKeyCount;
constexpr quint32 MaxAddress = 31;
constexpr quint32 MaxCode = 63;
constexpr u8 None = 0xFF;

// Element and attribute names and the word of a missing address, compared exactly.
const QLatin1String Contents("contents");
const QLatin1String SwVersion("swversion");
const QLatin1String SysAddress("sysaddress");
const QLatin1String Buttons("buttons");
const QLatin1String Button("button");
const QLatin1String Number("nr");
const QLatin1String Code("code");
const QLatin1String Description("description");
const QLatin1String NotUsed("not used");

// --- Writing --------------------------------------------------------------------------------

QString element(QLatin1String name, const QString &text)
{
    return QLatin1Char('<') + name + QLatin1Char('>') + text + QLatin1String("</") + name + QLatin1Char('>');
}

// The format has no escape and the reader ends a text at its first "<": a description is
// written with each "<" as a blank, so the file always reads back.
QString writableDescription(const QString &description)
{
    QString text = description;
    text.replace(QLatin1Char('<'), QLatin1Char(' '));
    return text;
}

void writeKey(QTextStream &out, int key, u8 code, const QString &description)
{
    out << " <button nr=\"" << key << "\">\n";
    if (code <= MaxCode)
        out << "  " << element(Code, QString::number(code)) << '\n';
    if (!description.isEmpty())
        out << "  " << element(Description, writableDescription(description)) << '\n';
    out << " </button>\n";
}

// --- Reading --------------------------------------------------------------------------------

// Reads the settings out of a parsed tree, asking the user about each entry it has to pass
// over until "Ignore all" is chosen.
class rcu_settings_reader
{
    // Its texts are the remote-control page's, whose boxes these are.
    Q_DECLARE_TR_FUNCTIONS(asettings_ired_tab)

public:
    rcu_settings_reader(controller_configuration_class &c, QObject *messageParent)
        : c(c), messageParent(messageParent)
    {
    }

    void reportParseErrors(const QString &fileName)
    {
        showMessage(message_icon::Warning, tr("Errors occured!"),
                    tr("Errors parsing file\n\"%1\" occured!\nRefer to \"xml_report.log\".").arg(fileName),
                    message_button::Ok, message_button::NoButton, messageParent);
    }

    void takeAddress(const xml_element_class &root)
    {
        const xml_leaf_class *address = firstLeaf(root, SysAddress);
        if (!address) {
            c.rcuAddress = None;
            warn(tr("Undetermined RCU address value!"));
            return;
        }
        if (address->text == NotUsed) {
            c.rcuAddress = None;
            return;
        }
        const std::optional<quint32> number = rcu_settings_file::parseNumber(address->text);
        if (!number || *number > MaxAddress) {
            c.rcuAddress = None;
            warn(tr("Invalid system address value!"));
            return;
        }
        c.rcuAddress = u8(*number);
    }

    void takeKeys(const xml_element_class &root)
    {
        const xml_node_class *buttons = firstNode(root, Buttons);
        if (!buttons) {
            std::fill(std::begin(c.rcuKeyCodes), std::end(c.rcuKeyCodes), None);
            warn(tr("Undetermined key codes table!"));
            return;
        }
        for (const key_entry &entry : keyEntries(*buttons))
            takeKey(entry.numberText, entry.code, entry.description);
    }

private:
    struct key_entry {
        int readOrder;
        QString numberText;
        const xml_leaf_class *code;
        const xml_leaf_class *description;
    };

    // The key table's entries in file order. The tree keeps entries with elements of their
    // own apart from those without (<button nr="5"/>, a key with neither a code nor a
    // description); a key listed twice must end with its last entry, whichever kind.
    static QList<key_entry> keyEntries(const xml_node_class &buttons)
    {
        QList<key_entry> entries;
        for (const xml_node_class &button : buttons.children) {
            if (button.name == Button)
                entries.append({button.readOrder, button.attribute(Number), firstLeaf(button, Code),
                                firstLeaf(button, Description)});
        }
        for (const xml_leaf_class &button : buttons.leaves) {
            if (button.name == Button)
                entries.append({button.readOrder, button.attribute(Number), nullptr, nullptr});
        }
        std::stable_sort(entries.begin(), entries.end(),
                         [](const key_entry &a, const key_entry &b) { return a.readOrder < b.readOrder; });
        return entries;
    }

    void takeKey(const QString &numberText, const xml_leaf_class *code, const xml_leaf_class *description)
    {
        const std::optional<quint32> key = rcu_settings_file::parseNumber(numberText);
        if (!key || *key >= quint32(KeyCount)) {
            askIgnore(tr("Invalid key number!"));
            return;
        }
        c.rcuKeyCodes[*key] = None;
        if (code) {
            const std::optional<quint32> number = rcu_settings_file::parseNumber(code->text);
            if (number && *number <= MaxCode)
                c.rcuKeyCodes[*key] = u8(*number);
            else
                askIgnore(tr("Invalid key code!"));
        }
        c.rcuKeyDescs[*key] = description ? description_bound::bounded(description->text) : QString();
    }

    template <typename Node>
    static const xml_leaf_class *firstLeaf(const Node &node, QLatin1String name)
    {
        for (const xml_leaf_class &leaf : node.leaves) {
            if (leaf.name == name)
                return &leaf;
        }
        return nullptr;
    }

    static const xml_node_class *firstNode(const xml_element_class &root, QLatin1String name)
    {
        for (const xml_node_class &node : root.children) {
            if (node.name == name)
                return &node;
        }
        return nullptr;
    }

    void warn(const QString &text)
    {
        showMessage(message_icon::Warning, tr("Data error!"), text, message_button::Ok, message_button::NoButton,
                    messageParent);
    }

    // An entry passed over: "Ignore" goes on, "Ignore all" goes on without asking again.
    void askIgnore(const QString &text)
    {
        if (ignoreAll)
            return;
        message_request request;
        request.icon = message_icon::Warning;
        request.title = tr("Data error!");
        request.text = text;
        request.customButtons = {{tr("Ignore"), button_role::Accept}, {tr("Ignore all"), button_role::Accept}};
        request.defaultCustomButton = 0;
        request.noEscapeButton = true;
        request.parentWidget = messageParent;
        ignoreAll = userInteraction().showMessage(request) == 1;
    }

    controller_configuration_class &c;
    QObject *messageParent;
    bool ignoreAll = false;
};

// The value of a digit of any base up to 16; 16 for anything else.
int digitValue(QChar character)
{
    const char16_t c = character.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 16;
}

// Parses the file into root when its first line begins like XML; false when it does not.
bool parseFile(QIODevice &file, xml_element_class &root)
{
    QTextStream in(&file);
    in.setEncoding(QStringConverter::System);
    QString line;
    const bounded_line::result first = bounded_line::read(in, line);
    line = line.trimmed();
    if (first == bounded_line::result::Failed || !line.startsWith(QLatin1Char('<')))
        return false;
    if (first == bounded_line::result::TooLong)
        root.leaves.append(xml_leaf_class(xml_names::Error, xml_names::LineTooLong, root.level + 1));
    while (xml_element_class::parse(root, in, line)) {
    }
    return true;
}

} // namespace

namespace rcu_settings_file {

bool write(QTextStream &out, const controller_configuration_class &c)
{
    out << element(Contents, QStringLiteral("Settings for KD620 RCU control")) << '\n';
    out << element(SwVersion, QStringLiteral("Varidex620 ") + application_identity::release()) << '\n';
    out << element(SysAddress, c.rcuAddress <= MaxAddress ? QString::number(c.rcuAddress) : QString(NotUsed)) << '\n';
    out << '<' << Buttons << ">\n";
    for (int key = 0; key < KeyCount; ++key) {
        const u8 code = c.rcuKeyCodes[key];
        const QString &description = c.rcuKeyDescs[size_t(key)];
        if (code <= MaxCode || !description.isEmpty())
            writeKey(out, key, code, description);
    }
    out << "</" << Buttons << ">\n";
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool save(const QString &fileName, const controller_configuration_class &c)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::System);
    if (!write(out, c)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void read(QIODevice &file, const QString &fileName, controller_configuration_class &c, QObject *messageParent)
{
    xml_element_class root(-1);
    root.name = xml_names::Root;
    rcu_settings_reader reader(c, messageParent);
    if (parseFile(file, root) && !root.isValid()) {
        // The log is wanted but not needed: the warning comes whether it was written or not.
        writeXmlReport(root);
        reader.reportParseErrors(fileName);
    }
    reader.takeAddress(root);
    reader.takeKeys(root);
}

std::optional<quint32> parseNumber(const QString &text)
{
    QStringView digits = QStringView(text).trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'+' || digits.front() == u'-')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.size() > 1 && digits.front() == u'0') {
        const QChar prefix = digits.at(1).toLower();
        if (prefix == u'x' || prefix == u'b') {
            base = prefix == u'x' ? 16 : 2;
            digits = digits.mid(2);
        } else {
            base = 8;
            digits = digits.mid(1);
        }
    }
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar character : digits) {
        const int digit = digitValue(character);
        if (digit >= base)
            return std::nullopt;
        value = value * quint64(base) + quint64(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (negative && value != 0)
        return std::nullopt;
    return quint32(value);
}

} // namespace rcu_settings_file
