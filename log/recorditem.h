#pragma once
// A cell of the record table. It is a plain table item to everyone; only
// while the record table reorders its rows at once does it compare by the
// place that its row is to take instead of by its text.

#include <QTableWidgetItem>

class RecordItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;

    bool operator<(const QTableWidgetItem &other) const override
    {
        if (s_byPlace)
            return m_place < static_cast<const RecordItem &>(other).m_place;
        return QTableWidgetItem::operator<(other);
    }

    // While an object of this lives, the items of the table compare by the
    // places set with setPlace; every item of the sorted column must be a
    // RecordItem then.
    class ByPlace
    {
    public:
        ByPlace() { s_byPlace = true; }
        ~ByPlace() { s_byPlace = false; }
        ByPlace(const ByPlace &) = delete;
        ByPlace &operator=(const ByPlace &) = delete;
    };
    void setPlace(int place) { m_place = place; }

private:
    // The item fits the size of a plain one (in its padding).
    int m_place = 0;
    static bool s_byPlace;
};
