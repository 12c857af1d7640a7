#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <array>

class MessageList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The grid of the message list window: "입력일시" (time), "제목", "내용" of the listed messages.
class MessageListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit MessageListModel(MessageList *list, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void reload();

private:
    MessageList *m_list;
};

// The message list window ("메세지"): borderless, topmost, centred, 915 × 576. Bound to a
// MessageList, which holds its state and carries out the buttons' actions.
class MessageListWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MessageListWindow(MessageList *list, QWidget *parent = nullptr);

    QTableView *CTV_MESSAGE;
    QLineEdit *CTE_TITLE;
    QLineEdit *CTE_GROUP;
    QPlainTextEdit *CMM_BODY;
    QGroupBox *cgbMessageReplyBox;
    QLineEdit *CTE_SEND_MSG;
    QWidget *cxGroupBox4;  // button bar
    std::array<QPushButton *, 3> actionButtons;
    std::array<QLabel *, 2> separators;
    QPushButton *closeButton;

    void showTopmost();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void refreshDetail();
    MessageList *m_list;
    MessageListModel *m_model;
};
