#include "tools/FormEmptyF.h"

#include <QFrame>
#include <QVBoxLayout>

namespace orvane {

TFormEmpty::TFormEmpty(QWidget* parent) : TSaveIniForm(parent)
{
    setObjectName("FormEmpty");
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ClientPanel = new QFrame(this);
    ClientPanel->setObjectName("ClientPanel");
    column->addWidget(ClientPanel, 1);

    BottomPanel = new QFrame(this);
    BottomPanel->setObjectName("BottomPanel");
    BottomPanel->setFixedHeight(kButtonBarHeight);
    column->addWidget(BottomPanel, 0);
}

}  // namespace orvane
