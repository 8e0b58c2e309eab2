#pragma once
// A method choice: one radio group whose item position is the stored code.
// The three method frames (DirectionalWtypeF, SpectrumTypeF, SpecificWtypeF)
// derive from it.

#include <QFrame>
#include <QStringList>
#include <cstdint>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QGridLayout;

namespace orvane {

struct ProjectRecord;

// A group box of radio buttons laid out in columns, with the selection as an
// index: ItemIndex() -1 means nothing selected. Setting an index above the
// last item selects the last item; below 0 clears the selection.
class TRadioGroup : public QWidget {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const;
    void SetItems(const QStringList& items);
    QStringList Items() const { return items_; }
    void SetColumns(int columns);
    int Columns() const { return columns_; }

    int ItemIndex() const;
    void SetItemIndex(int index);  // never emits Click

signals:
    // The user chose an item (mouse or keyboard); not emitted by SetItemIndex.
    void Click();

private:
    void Rebuild();

    QGroupBox* box_;
    QGridLayout* grid_;
    QButtonGroup* buttons_;
    QStringList items_;
    int columns_ = 1;
};

// Carries one method field between its radio group and the record.
class TMethodFrame : public QFrame {
    Q_OBJECT
public:
    // Selects the item whose position is the field's value (clamped as above).
    void ShowChoice(const ProjectRecord& rec);
    // Writes the selected item's position into the field: an out-of-range
    // stored code becomes the item the group shows.
    void StoreChoice(ProjectRecord& rec) const;

    TRadioGroup* RadioGroup1;

signals:
    void Click();

protected:
    TMethodFrame(std::int32_t ProjectRecord::*field, const QString& caption, const QStringList& items, QWidget* parent);

private:
    std::int32_t ProjectRecord::*field_;
};

}  // namespace orvane
