// The channel word of MainChannelSetup and AuxChannelSetup: network number in
// the high byte, link type, protocol, CRC and the rings of a "ПМК-3" line in
// the low byte. What each choice of the system page writes into it.
#pragma once

#include <optional>

#include "descriptors/choice_list.h"

namespace nastrum::channel_word {

enum LinkType : int { Rs232 = 0, Rs485 = 1, Pmk3 = 2, Hayes = 3 };
enum Protocol : int { Traditional = 0, Ft11 = 1, Ft12 = 2 };
enum Crc : int { NoCrc = 0, CrcInData = 1, CrcInsteadOfSum = 2 };

// "Вид связи:", "Протокол обмена:", "CRC:", "Линия связи:" in this order.
const ChoiceList& linkTypes();
const ChoiceList& protocols();
const ChoiceList& crcModes();
const ChoiceList& lineKinds();  // "Коммутируем." 1, "Выделенная" 0

LinkType linkTypeOf(int word);
Protocol protocolOf(int word);
Crc crcOf(int word);
int networkNumberOf(int word);  // 0: no network
int ringsOf(int word);          // 0: dedicated line

int withProtocol(int word, Protocol protocol);
// Nothing when the choice is refused ("ПМК-3" under an FT protocol).
// `speedCode` becomes the speed the link type forces, if any.
std::optional<int> withLinkType(int word, LinkType type, int& speedCode);
int withNetwork(int word, bool on);
int withNetworkNumber(int word, int number);
int withCrc(int word, Crc crc);
int withSwitchedLine(int word, bool switched);  // switched: 5 rings, no network
int withRings(int word, int rings);             // 1..15, anything else 1

// "Сетевой №": the number a typed value wraps to (FT 0..254, traditional 0..127).
int wrapNetworkNumber(int number, bool ft);

}  // namespace nastrum::channel_word
