#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

// The settings of one serial caller-ID slot (Tag 0 or 1, section "COMCID1"/"COMCID2"): use,
// box type, port and rate take effect at once; the channel table is saved with "저장", which also
// reopens the slot's device. The settings screen embeds one per slot.
class TFRM_CID_SET : public QWidget
{
    Q_OBJECT
public:
    explicit TFRM_CID_SET(int slot, QWidget *parent = nullptr);

    int Tag = 0;
    QGroupBox *CGB_NAME = nullptr;
    QCheckBox *CCB_USE = nullptr;
    QPushButton *CBT_SAVE = nullptr;
    QRadioButton *CRB_BURMI = nullptr;
    QRadioButton *CRB_CALLSTAR = nullptr;
    QRadioButton *CRB_SEEID = nullptr;
    QRadioButton *CRB_SEEID4 = nullptr;
    QRadioButton *CRB_SUNPO = nullptr;
    QComboBox *CCB_COM_PORT = nullptr;
    QComboBox *CCB_COM_RATE = nullptr;
    QTableWidget *CTV_CID_SET = nullptr;

    // Reopens the slot's serial port (box 1 or 2); an empty text when it opened. The program's
    // devices unless set.
    std::function<QString(int box, const QString &port, int baud)> reopenPort;

    // The port names offered (the settings screen passes the PC's list; the system's by default).
    void setPortNames(const QStringList &names);
    // Fills the controls from G_COM_CID without writing anything.
    void fillFromRecords();
    // The store code / description of channel row i as the grid holds them.
    QString channelStore(int row) const;
    QString channelText(int row) const;
    void setChannel(int row, const QString &stCode, const QString &text);

    void CCB_USEClick();
    void CRB_BURMIClick(int type);
    void CCB_COM_PORTClick();
    void CCB_COM_RATEClick();
    void CBT_SAVEClick();

private:
    QRadioButton *typeButton(int type) const;
    QString section() const;
    void writeKey(const QString &key, const QString &value);
    bool m_filling = false;
};
