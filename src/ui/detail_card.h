// The address card of the detailed view: the blocks of the focused row's card text
// drawn one below the other in a 145 x 180 pixel rectangle, the first bold.
#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

namespace vendarion {

class DetailCard final : public QWidget {
    Q_OBJECT

public:
    // The text area; a frame with a margin of kPadding surrounds it.
    static constexpr int kWidth = 145;
    static constexpr int kHeight = 180;
    static constexpr int kPadding = 6;

    explicit DetailCard(QWidget* parent = nullptr);

    // Windows-1252 blocks; empty clears the card.
    void SetBlocks(const std::vector<std::string>& blocks);
    const QStringList& Blocks() const { return blocks_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList blocks_;
};

}  // namespace vendarion
