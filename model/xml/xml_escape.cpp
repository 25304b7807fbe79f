#include "model/xml/xml_escape.h"

#include <QStringView>

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
    QString unescaped;
    unescaped.reserve(text.size());
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size()) {
        const QStringView rest = view.mid(i);
        if (rest.startsWith(u"&&")) {
            unescaped += u'&';
            i += 2;
        } else if (rest.startsWith(u"&lt;")) {
            unescaped += u'<';
            i += 4;
        } else if (rest.startsWith(u"&gt;")) {
            unescaped += u'>';
            i += 4;
        } else {
            unescaped += view.at(i);
            i += 1;
        }
    }
    return unescaped;
}
