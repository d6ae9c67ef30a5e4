#include "ui/models/key_list_models.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include "ui/app/qt_text.h"

namespace rekkan::ui {

Qt::ItemFlags KeyDragModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractListModel::flags(index) | Qt::ItemIsDropEnabled;
    return index.isValid() ? base | Qt::ItemIsDragEnabled : base;
}

QMimeData* KeyDragModel::mimeData(const QModelIndexList& indexes) const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<int>(source_);
    QString text;
    QList<int> rows;
    for (const QModelIndex& i : indexes) {
        rows.push_back(i.row());
        text = i.data().toString();
    }
    out << rows << text;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kKeyDragMime), bytes);
    return data;
}

bool KeyDragModel::Unpack(const QMimeData* data, KeyDragSource& source, std::vector<int>& rows, QString& text) {
    if (!data || !data->hasFormat(QString::fromLatin1(kKeyDragMime))) return false;
    QDataStream in(data->data(QString::fromLatin1(kKeyDragMime)));
    int s = -1;
    QList<int> list;
    in >> s >> list >> text;
    if (in.status() != QDataStream::Ok || s < 0 || s > static_cast<int>(KeyDragSource::Order)) return false;
    source = static_cast<KeyDragSource>(s);
    rows.assign(list.begin(), list.end());
    return true;
}

KeySelectionModel::KeySelectionModel(KeyItemEditor& keys, std::function<void(int)> changed, QObject* parent)
    : KeyDragModel(KeyDragSource::Selection, parent), keys_(keys), changed_(std::move(changed)) {}

int KeySelectionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(keys_.SelectionLines().size());
}

QVariant KeySelectionModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return ToQ(keys_.SelectionLines()[static_cast<std::size_t>(index.row())].text);
}

bool KeySelectionModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const {
    KeyDragSource source{};
    std::vector<int> rows;
    QString text;
    return Unpack(data, source, rows, text) && source == KeyDragSource::KeyList && rows.size() == 1;
}

bool KeySelectionModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                     const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    KeyDragSource source{};
    std::vector<int> rows;
    QString text;
    (void)Unpack(data, source, rows, text);
    changed_(keys_.Remove(rows.front()));
    return false;  // the dragged line is gone already; the view must not remove anything
}

KeyListModel::KeyListModel(KeyItemEditor& keys, std::function<void(int)> changed, QObject* parent)
    : KeyDragModel(KeyDragSource::KeyList, parent), keys_(keys), changed_(std::move(changed)) {}

int KeyListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(keys_.KeyLines().size());
}

QVariant KeyListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return ToQ(keys_.VisibleKeyLine(index.row()));
}

bool KeyListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const {
    KeyDragSource source{};
    std::vector<int> rows;
    QString text;
    return Unpack(data, source, rows, text) && source != KeyDragSource::KeyList;
}

bool KeyListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    KeyDragSource source{};
    std::vector<int> rows;
    QString text;
    (void)Unpack(data, source, rows, text);
    const int target = parent.isValid() ? parent.row() : -1;
    switch (source) {
    case KeyDragSource::Selection: changed_(keys_.AddItems(rows, target)); break;
    case KeyDragSource::AddKey: changed_(keys_.AddKey(target)); break;
    case KeyDragSource::Duplicates:
    case KeyDragSource::Order: {
        const KeyAttribute a = source == KeyDragSource::Order ? KeyAttribute::Order : KeyAttribute::Duplicates;
        std::string entry;
        if (target >= 0 && ToCp932(text, entry) && keys_.SetAttribute(target, a, entry)) changed_(target);
        break;
    }
    case KeyDragSource::KeyList: break;
    }
    return false;  // nothing for the view to remove at the source
}

QVariant KeyPaletteModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= entries_.size()) return {};
    return entries_.at(index.row());
}

}  // namespace rekkan::ui
