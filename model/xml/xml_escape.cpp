#include "model/xml/xml_escape.h"

#include <QStringView>

#include <algorithm>

QString xml_escapeText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QLatin1String("&&");
        else if (c == u'<')
            escaped += QLatin1String("&lt;");
        else if (c == u'>')
            escaped += QLatin1String("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

QString xml_unescapeText(const QString &text)
{
    // Every replacement starts with an ampersand, and most descriptions hold none: those
    // come back as they are, sharing the text instead of copying it (never as a null text).
    const qsizetype firstAmpersand = text.indexOf(u'&');
    if (firstAmpersand < 0)
        return text.isNull() ? QString(QLatin1String("")) : text;

    // The result is never longer than the text: it is written in place, then cut.
    QString unescaped(text.size(), Qt::Uninitialized);
    QChar *out = unescaped.data();
    const QStringView view(text);
    const auto copy = [&out](QStringView piece) {
        std::copy(piece.begin(), piece.end(), out);
        out += piece.size();
    };
    copy(view.left(firstAmpersand));
    for (qsizetype i = firstAmpersand; i < view.size();) {
        const QStringView rest = view.mid(i);
        if (rest.startsWith(u"&&")) {
            *out++ = u'&';
            i += 2;
        } else if (rest.startsWith(u"&lt;")) {
            *out++ = u'<';
            i += 4;
        } else if (rest.startsWith(u"&gt;")) {
            *out++ = u'>';
            i += 4;
        } else {
            *out++ = view.at(i);
            i += 1;
        }
        // Up to the next ampersand nothing is replaced.
        qsizetype next = view.indexOf(u'&', i);
        if (next < 0)
            next = view.size();
        copy(view.mid(i, next - i));
        i = next;
    }
    unescaped.truncate(out - unescaped.constData());
    return unescaped;
}
