#pragma once

#include <QWidget>
#include <cstdint>

namespace rungpad {

// The small picture of the item dialog: the element being entered, or the name of the function
// instruction whose parameter it is.
class ItemPreview : public QWidget {
    Q_OBJECT

  public:
    explicit ItemPreview(QWidget* parent = nullptr);

    void SetElementCode(std::uint16_t code);
    QSize sizeHint() const override { return {70, 60}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::uint16_t m_code = 0;
};

}  // namespace rungpad
