// The two communication channels of the system page.
#include "descriptors/kind_codes.h"
#include "editor/pages/system/system_page.h"

#include "descriptors/system_codes.h"
#include "model/device_text.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"

namespace nastrum {

using namespace channel_word;

namespace {

constexpr int kMaxModemText = 126;


}  // namespace

QStringList SystemPage::channels() const {
  if (!kindProfile(kind()).hasAuxChannel) return {QStringLiteral("Основной")};
  return {QStringLiteral("Основной"), QStringLiteral("Дополнительный")};
}

void SystemPage::showChannel(int channel) { channel_ = channel == 1 && channels().size() > 1 ? 1 : 0; }

int SystemPage::setupIndex() const { return channel_ == 1 ? sys::AuxChannelSetup : sys::MainChannelSetup; }
int SystemPage::baudIndex() const { return channel_ == 1 ? sys::AuxChannelBaud : sys::MainChannelBaud; }
// Where the main channel is a fixed loop, the link settings always concern
// the additional channel.
int SystemPage::linkTypeIndex() const {
  return kindCodes(kind()).mainChannelFixedLoop ? sys::AuxChannelSetup : setupIndex();
}
int SystemPage::lineIndex() const {
  return kindCodes(kind()).mainChannelFixedLoop ? sys::AuxChannelSetup : sys::MainChannelSetup;
}

ModemText& SystemPage::modemText() {
  return kindProfile(kind()).hasAuxModemText && channel_ == 1 ? workspace_.image.modemInitAux : workspace_.image.modemInitMain;
}
const ModemText& SystemPage::modemText() const {
  return kindProfile(kind()).hasAuxModemText && channel_ == 1 ? workspace_.image.modemInitAux : workspace_.image.modemInitMain;
}

ChannelView SystemPage::channelView() const {
  ChannelView v;
  const int word = sys(setupIndex());
  const int linkWord = sys(linkTypeIndex());
  const KindCodes& codes = kindCodes(kind());
  const bool modemOnlyAux = codes.auxChannelModemOnly && channel_ == 1;
  v.linkTypeShown = !(codes.mainChannelFixedLoop && channel_ == 0);
  v.linkType = linkTypeOf(linkWord);
  v.protocol = protocolOf(word);
  for (const Choice& c : protocols())
    if (!(modemOnlyAux && c.code == Traditional)) v.protocols << c.text;
  for (const Choice& c : linkTypes()) {
    if (c.code == Pmk3 && (modemOnlyAux || v.protocol != Traditional)) continue;
    v.linkTypes << c.text;
  }
  v.crc = crcOf(word);
  v.crcShown = v.protocol != Traditional;
  v.networkEnabled = v.protocol == Traditional;
  v.networkOn = networkNumberOf(word) != 0;
  v.networkNumber = networkNumberOf(word);
  if (v.linkTypeShown && v.linkType == Pmk3) {
    const int rings = ringsOf(sys(lineIndex()));
    v.lineShown = true;
    v.switched = rings != 0;
    v.rings = rings;
    v.networkShown = !v.switched;
  }
  const bool slowLine = v.linkTypeShown && v.linkType == Pmk3;
  for (const Choice& c : system_codes::speeds())
    if (!slowLine || c.code <= system_codes::kModemLineMaxSpeedCode) v.speeds << c.text;
  int code = sys(baudIndex());
  if (code == 0) code = system_codes::kDefaultSpeedCode;
  const std::optional<int> speed = system_codes::speeds().indexOfCode(code);
  v.speedIndex = speed && *speed < v.speeds.size() ? *speed : -1;
  v.modemShown = v.linkTypeShown && v.linkType == Hayes;
  if (v.modemShown) v.modemText = DeviceTextToEdit(modemText());
  return v;
}

void SystemPage::chooseProtocol(Protocol protocol) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(setupIndex());
  w = withProtocol(w, protocol);
}

bool SystemPage::chooseLinkType(LinkType type) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(linkTypeIndex());
  // The link type decides together with the protocol of the word it writes.
  int speed = 0;
  const std::optional<int> next = withLinkType(w, type, speed);
  if (!next) {
    presenter_.present(programMessage(QStringLiteral("Новый протокол обмена не работает с модемом ПМК-3"),
                                      MessageIcon::Warning));
    return false;
  }
  w = *next;
  if (speed != 0) sys(linkTypeIndex() == sys::AuxChannelSetup ? sys::AuxChannelBaud : sys::MainChannelBaud) = speed;
  return true;
}

void SystemPage::setNetwork(bool on) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(setupIndex());
  w = withNetwork(w, on);
}

int SystemPage::setNetworkNumber(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  bool ok = false;
  int n = text.trimmed().toInt(&ok);
  if (!ok) n = 1;
  const bool ft = protocolOf(sys(setupIndex())) != Traditional;
  n = wrapNetworkNumber(n, ft);
  Word& w = sys(setupIndex());
  const bool networkOn = networkNumberOf(w) != 0 || ft;
  w = withNetworkNumber(w, networkOn ? n : 0);
  return n;
}

void SystemPage::chooseCrc(Crc crc) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(setupIndex());
  w = withCrc(w, crc);
}

void SystemPage::setSwitchedLine(bool switched) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(lineIndex());
  w = withSwitchedLine(w, switched);
}

int SystemPage::setRings(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  bool ok = false;
  int rings = text.trimmed().toInt(&ok);
  if (!ok || rings < 1 || rings > 15) rings = 1;
  Word& w = sys(lineIndex());
  w = withRings(w, rings);
  return rings;
}

void SystemPage::chooseSpeed(int index) {
  const ImageChanges::Scope edit = changes_.scope();
  const ChoiceList& list = system_codes::speeds();
  if (index < 0 || index >= list.size()) return;
  sys(baudIndex()) = list.at(index).code;
}

QString SystemPage::modemFieldText(const QString& typed) {
  QString out;
  for (const QChar c : typed) {
    const QChar upper = c.toUpper();
    const bool allowed = (upper >= QLatin1Char('A') && upper <= QLatin1Char('Z')) ||
                         (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                         QStringLiteral(" &*=~").contains(c);
    if (allowed && out.size() < kMaxModemText) out += upper;
  }
  return out;
}

void SystemPage::setModemText(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  modemText() = EditToDeviceText(modemFieldText(text));
}

}  // namespace nastrum
