// Message boxes of the running program: a modal QMessageBox titled with the
// program's name.
#pragma once

#include "base/messages.h"

class QWidget;

namespace vendarion {

class QtMessages final : public Messages {
public:
    // Boxes are centred over parent (null: over the screen). The parent must outlive
    // this object or be reset.
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer Show(const Message& message) override;

private:
    QWidget* parent_;
};

}  // namespace vendarion
