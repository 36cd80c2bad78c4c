#pragma once

#include <QGraphicsEffect>
#include <QImage>

namespace orvane {

inline constexpr int SpongeMaxStrength = 5;

// The idle banner picture's effect: strength 0 gives the picture unchanged, 5 a heavily
// smeared, blotched and posterised version, as if dabbed on with a sponge. Deterministic, so
// the same strength always gives the same picture.
QImage SpongeEffect(const QImage& source, int strength);

// The same effect for a widget (imgFlash): setGraphicsEffect(new SpongeGraphicsEffect).
class SpongeGraphicsEffect : public QGraphicsEffect {
    Q_OBJECT

  public:
    explicit SpongeGraphicsEffect(QObject* parent = nullptr);

    int Strength() const { return strength_; }
    void SetStrength(int value);

  protected:
    void draw(QPainter* painter) override;
    void sourceChanged(ChangeFlags flags) override;

  private:
    int strength_ = 0;
    qint64 cachedKey_ = 0;
    int cachedStrength_ = -1;
    QImage cached_;
};

}  // namespace orvane
