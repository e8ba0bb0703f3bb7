#include "recovery/recoveryfile.h"

#include "files/statecodec.h"
#include "mapview/viewstate.h"
#include "routes/travelfile.h"

namespace {

const QByteArray kMarker = QByteArrayLiteral("Quorvane recovery 1\r\n");
const QByteArray kGameState = QByteArrayLiteral("game state ");
const QByteArray kChanged = QByteArrayLiteral("changed ");
const QByteArray kLastChange = QByteArrayLiteral("last change ");
const QByteArray kGameMasterBox = QByteArrayLiteral("gm box ");
const QByteArray kPlayerBox = QByteArrayLiteral("player box ");
const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

void appendLine(QByteArray &data, const QByteArray &key, const QByteArray &value)
{
    data.append(key).append(value).append(kLineEnd);
}

// Reads the line starting at `pos` that begins with `key`; its value goes to `value`.
bool readLine(QByteArrayView bytes, qsizetype &pos, const QByteArray &key, QByteArrayView &value)
{
    const qsizetype end = bytes.indexOf(kLineEnd, pos);
    if (end < 0 || !bytes.sliced(pos, end - pos).startsWith(key))
        return false;
    value = bytes.sliced(pos + key.size(), end - pos - key.size());
    pos = end + kLineEnd.size();
    return true;
}

std::optional<QString> boxText(QByteArrayView base64)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return QString::fromUtf8(*decoded);
}

} // namespace

QByteArray encodeRecovery(const RecoveryContents &contents)
{
    const EditState &state = contents.state;
    ViewState view;
    state.place.applyTo(view);
    QByteArray data = encodeState(view, state.notes, false);
    const QByteArray length = QByteArray::number(data.size());
    data.append(kMarker);
    appendLine(data, kGameState, length);
    appendLine(data, kChanged, QByteArray::number(contents.changedStars));
    appendLine(data, kLastChange, contents.lastChange.toString(Qt::ISODate).toLatin1());
    appendLine(data, kGameMasterBox, state.boxes.gameMasterNotes.toUtf8().toBase64());
    appendLine(data, kPlayerBox, state.boxes.playerNotes.toUtf8().toBase64());
    data.append(encodeTravel(state.travel));
    return data;
}

std::optional<RecoveryContents> decodeRecovery(QByteArrayView bytes, int starCount)
{
    // The marker may stand in a note too; the last one starts the lines written after the notes.
    const qsizetype marker = bytes.lastIndexOf(QByteArrayView(kMarker));
    if (marker < 0)
        return std::nullopt;
    qsizetype pos = marker + kMarker.size();
    QByteArrayView length, changed, lastChange, gameMaster, player;
    if (!readLine(bytes, pos, kGameState, length) || length.toLongLong() != marker
        || !readLine(bytes, pos, kChanged, changed) || !readLine(bytes, pos, kLastChange, lastChange)
        || !readLine(bytes, pos, kGameMasterBox, gameMaster) || !readLine(bytes, pos, kPlayerBox, player))
        return std::nullopt;
    RecoveryContents contents;
    EditState &state = contents.state;
    state.notes = NotesStore(starCount);
    ViewState view;
    bool countOk = false;
    contents.changedStars = changed.toInt(&countOk);
    contents.lastChange = QDateTime::fromString(QString::fromLatin1(lastChange), Qt::ISODate);
    const auto gameMasterText = boxText(gameMaster), playerText = boxText(player);
    const auto travel = decodeTravel(bytes.sliced(pos).toByteArray(), starCount);
    if (!countOk || !contents.lastChange.isValid() || !gameMasterText || !playerText || !travel
        || !decodeState(bytes.first(marker), view, state.notes))
        return std::nullopt;
    state.place = MapPlace::of(view);
    state.boxes = { *gameMasterText, *playerText };
    state.travel = *travel;
    return contents;
}

QString restoreQuestion(const RecoveryContents &contents)
{
    return QStringLiteral("Quorvane ended with unsaved notes (%1 systems changed, last change at %2). Restore them?")
        .arg(contents.changedStars)
        .arg(contents.lastChange.toString(QStringLiteral("HH:mm")));
}
