#pragma once

#include <QPair>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// The seed's deterministic random source with the helpers every area needs: numbers, choices,
// Korean names, telephone numbers and positions around a point. The same seed always gives the
// same sequence, so the world is the same on every run.
class SandboxRandom
{
public:
    explicit SandboxRandom(quint32 seed) : m_gen(seed) {}
    // A source of its own for one area, so that adding an area does not change the others' data.
    static SandboxRandom forArea(quint32 worldSeed, const QString &area);

    int between(int low, int high);            // low..high inclusive
    double real(double low, double high);      // [low, high)
    bool chance(double probability);           // true with that probability
    template <typename List>
    const auto &pick(const List &list) { return list.at(between(0, int(list.size()) - 1)); }

    QString personName();                      // "김민준"
    QString mobile();                          // "010" + 8 digits
    QString landline(const QString &areaCode); // "02" + 7 or 8 digits
    QString digits(int count);
    // A point within about radiusMetres of (lng, lat), as texts with 7 decimals.
    QPair<QString, QString> near(double lng, double lat, double radiusMetres);

private:
    QRandomGenerator m_gen;
};
