#pragma once

#include <QFontMetrics>
#include <QTableWidgetItem>

#include <optional>

// A list item showing a text elided at its right end to a width, as the pages' lists show
// descriptions. Measuring a text costs as much as laying it out, and a page fills lists of a
// thousand rows of which a handful are ever looked at: the elision is worked out the first
// time the item's text is asked for (by the view painting the row, or by anyone reading it),
// and is what eliding at once would have given.
//
// Setting the item's text in any other way makes it a plain item, showing that text as it
// is. A change of the text is reported to the table as for any item.
class elided_text_item : public QTableWidgetItem
{
public:
    elided_text_item(const QString &text, const QFontMetrics &metrics, int width);

    // Shows another text, elided with these metrics to this width.
    void setElidedText(const QString &text, const QFontMetrics &metrics, int width);

    QVariant data(int role) const override;
    void setData(int role, const QVariant &value) override;

private:
    static bool isTextRole(int role) { return role == Qt::DisplayRole || role == Qt::EditRole; }
    QString shownText() const;
    // Makes the item a plain one holding the text it shows, telling the table nothing: the
    // table shows that text already.
    void settle();

    // While set, the item's own text is the text to elide.
    bool elided = true;
    QFontMetrics metrics;
    int width;
    mutable std::optional<QString> shown;  // the elision, once it was asked for
};
