#include "ui/MethodFrame.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/ProjectRecord.h"

namespace orvane {

TRadioGroup::TRadioGroup(QWidget* parent)
    : QWidget(parent), box_(new QGroupBox(this)), grid_(new QGridLayout(box_)), buttons_(new QButtonGroup(this))
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box_);
    // Tight, so three columns of items fit the narrow window's right column.
    grid_->setContentsMargins(4, 2, 4, 2);
    grid_->setHorizontalSpacing(4);
    grid_->setVerticalSpacing(0);
    buttons_->setExclusive(true);
    // idClicked follows the user's choice, by mouse or keyboard, and never a
    // programmatic setChecked.
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int) { emit Click(); });
}

void TRadioGroup::SetCaption(const QString& caption) { box_->setTitle(caption); }

QString TRadioGroup::Caption() const { return box_->title(); }

void TRadioGroup::SetItems(const QStringList& items)
{
    items_ = items;
    Rebuild();
}

void TRadioGroup::SetColumns(int columns)
{
    columns_ = std::max(1, columns);
    Rebuild();
}

void TRadioGroup::Rebuild()
{
    const int selected = ItemIndex();
    for (QAbstractButton* b : buttons_->buttons()) {
        buttons_->removeButton(b);
        delete b;
    }
    const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
    for (int i = 0; i < items_.size(); ++i) {
        auto* button = new QRadioButton(items_[i], box_);
        button->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        buttons_->addButton(button, i);
        // Items run down the first column, then the next, as in a radio group.
        grid_->addWidget(button, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
    SetItemIndex(selected);
}

int TRadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void TRadioGroup::SetItemIndex(int index)
{
    const int count = static_cast<int>(items_.size());
    if (index >= count)
        index = count - 1;
    if (index < 0) {
        // An exclusive group cannot be emptied by unchecking its button.
        buttons_->setExclusive(false);
        for (QAbstractButton* b : buttons_->buttons())
            b->setChecked(false);
        buttons_->setExclusive(true);
        return;
    }
    buttons_->button(index)->setChecked(true);
}

TMethodFrame::TMethodFrame(std::int32_t ProjectRecord::*field, const QString& caption, const QStringList& items,
                           QWidget* parent)
    : QFrame(parent), RadioGroup1(new TRadioGroup(this)), field_(field)
{
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->SetCaption(caption);
    RadioGroup1->SetItems(items);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RadioGroup1);
    connect(RadioGroup1, &TRadioGroup::Click, this, &TMethodFrame::Click);
}

void TMethodFrame::ShowChoice(const ProjectRecord& rec) { RadioGroup1->SetItemIndex(rec.*field_); }

void TMethodFrame::StoreChoice(ProjectRecord& rec) const { rec.*field_ = RadioGroup1->ItemIndex(); }

}  // namespace orvane
