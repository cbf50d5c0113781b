#include "ui/assistant_page_widget.h"

#include <QLabel>

#include "ui/ui_text.h"

namespace vendarion {

QLabel* AssistantPageWidget::AddText(int id) {
    auto* label = new QLabel(UiString(id), this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace vendarion
