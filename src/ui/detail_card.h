// The address card of the detailed view: the blocks of the focused row's card text
// drawn one below the other in a 145 x 180 pixel rectangle, the first bold. The
// rectangle is widened where needed so that a street with its house number fits
// one line of the card's font.
#pragma once

#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

namespace vendarion {

class DetailCard final : public QWidget {
    Q_OBJECT

public:
    // The smallest text area; a frame with a margin of kPadding surrounds it.
    static constexpr int kWidth = 145;
    static constexpr int kHeight = 180;
    static constexpr int kPadding = 6;

    explicit DetailCard(QWidget* parent = nullptr);

    // The width of the whole card, frame included.
    static int CardWidth();

    // Windows-1252 blocks; empty clears the card.
    void SetBlocks(const std::vector<std::string>& blocks);
    const QStringList& Blocks() const { return blocks_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList blocks_;
    QSize area_;
};

}  // namespace vendarion
