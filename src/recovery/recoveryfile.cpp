#include "recovery/recoveryfile.h"

#include "campaign/campaignfile.h"
#include "common/safefile.h"
#include "files/statecodec.h"
#include "mapview/viewstate.h"
#include "routes/pairdistances.h"

#include <QFile>

namespace {

const QByteArray kMarker = QByteArrayLiteral("Quorvane recovery 1\r\n");
const QByteArray kGameState = QByteArrayLiteral("game state ");
const QByteArray kChanged = QByteArrayLiteral("changed ");
const QByteArray kLastChange = QByteArrayLiteral("last change ");
const QByteArray kGameMasterBox = QByteArrayLiteral("gm box ");
const QByteArray kPlayerBox = QByteArrayLiteral("player box ");
const QByteArray kCampaign = QByteArrayLiteral("campaign ");
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

// The five header lines of the game state for `place`.
QByteArray headerLines(const MapPlace &place)
{
    ViewState view;
    place.applyTo(view);
    return encodeState(view, NotesStore(0), false);
}

// What follows the game state of `length` bytes.
QByteArray trailer(const RecoveryContents &contents, qsizetype length)
{
    const EditState &state = contents.state;
    QByteArray data = kMarker;
    appendLine(data, kGameState, QByteArray::number(length));
    appendLine(data, kChanged, QByteArray::number(contents.changedStars));
    appendLine(data, kLastChange, contents.lastChange.toString(Qt::ISODate).toLatin1());
    appendLine(data, kGameMasterBox, state.boxes.gameMasterNotes.toUtf8().toBase64());
    appendLine(data, kPlayerBox, state.boxes.playerNotes.toUtf8().toBase64());
    appendLine(data, kCampaign, CampaignFile::encode(state.campaign).toBase64());
    return data;
}

} // namespace

QByteArray encodeRecovery(const RecoveryContents &contents)
{
    ViewState view;
    contents.state.place.applyTo(view);
    QByteArray data = encodeState(view, contents.state.notes, false);
    return data.append(trailer(contents, data.size()));
}

QString RecoveryWriter::write(const QString &fileName, const RecoveryContents &contents, const FileCalls &calls)
{
    const NotesStore &notes = contents.state.notes;
    if (m_encoded.isEmpty() || notes.revision() != m_revision) {
        m_encoded = encodeState(ViewState(), notes, false);
        m_linesAt = headerLines(MapPlace::of(ViewState())).size();
        m_revision = notes.revision();
    }
    const QByteArray header = headerLines(contents.state.place);
    const QByteArrayView lines = QByteArrayView(m_encoded).sliced(m_linesAt);
    // Not flushed to the disk: a killed process loses nothing the system has, and a flush would double
    // the time of each write.
    SafeFile file(fileName, calls, { false, temporaryFileName(fileName) });
    if (file.open() && file.write(header) && file.write(lines)
        && file.write(trailer(contents, header.size() + lines.size())) && file.commit())
        return {};
    return file.errorString();
}

QString temporaryFileName(const QString &fileName)
{
    return fileName + QStringLiteral(".part");
}

std::optional<RecoveryContents> decodeRecovery(QByteArrayView bytes, const PairDistances &distances)
{
    const int starCount = distances.size();
    // The marker may stand in a note too; the last one starts the lines written after the notes.
    const qsizetype marker = bytes.lastIndexOf(QByteArrayView(kMarker));
    if (marker < 0)
        return std::nullopt;
    qsizetype pos = marker + kMarker.size();
    QByteArrayView length, changed, lastChange, gameMaster, player, campaign;
    if (!readLine(bytes, pos, kGameState, length) || length.toLongLong() != marker
        || !readLine(bytes, pos, kChanged, changed) || !readLine(bytes, pos, kLastChange, lastChange)
        || !readLine(bytes, pos, kGameMasterBox, gameMaster) || !readLine(bytes, pos, kPlayerBox, player)
        || !readLine(bytes, pos, kCampaign, campaign))
        return std::nullopt;
    RecoveryContents contents;
    EditState &state = contents.state;
    state.notes = NotesStore(starCount);
    ViewState view;
    bool countOk = false;
    contents.changedStars = changed.toInt(&countOk);
    contents.lastChange = QDateTime::fromString(QString::fromLatin1(lastChange), Qt::ISODate);
    const auto gameMasterText = boxText(gameMaster), playerText = boxText(player);
    const auto json = QByteArray::fromBase64Encoding(campaign.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
    const CampaignFile::Decoded decoded = json ? CampaignFile::decode(*json, distances) : CampaignFile::Decoded();
    if (!countOk || !contents.lastChange.isValid() || !gameMasterText || !playerText || !decoded.ok
        || !decodeState(bytes.first(marker), view, state.notes))
        return std::nullopt;
    state.place = MapPlace::of(view);
    state.boxes = { *gameMasterText, *playerText };
    state.campaign = decoded.campaign;
    return contents;
}

QString changeSummary(const RecoveryContents &contents)
{
    const QString changed = contents.changedStars == 1
        ? QStringLiteral("1 system changed")
        : QStringLiteral("%1 systems changed").arg(contents.changedStars);
    return QStringLiteral("%1, last change at %2").arg(changed, contents.lastChange.toString(QStringLiteral("HH:mm")));
}

QString restoreQuestion(const RecoveryContents &contents)
{
    return QStringLiteral("Quorvane ended with unsaved notes (%1). Restore them?").arg(changeSummary(contents));
}
