#pragma once
// The small receiver database the channel dialog tests share, and direct reads of
// the open file, so tests check what was stored rather than what a dialog holds.
#include "TestSupport.h"

#include <QString>

namespace channeltest {

// Satellites (in user order) 3 "Hotbird 13E", 1 "Astra 19.2E", 2 "Thor 1W",
// 4 "Empty Sat" (no TP); TPs 5, 6 on satellite 1, 17, 18 on 3, 9 on 2; providers
// 1 "Canal+", 2 "BBC"; channels 1, 2, 3, 7 and 20003 (next free id: 8); favourite
// groups 1 and 2 both holding channel 1, group 1 also channel 2.
void WriteChannelFixture(const QString& path);

using testsupport::Exec;
using testsupport::QueryInt;
using testsupport::QueryText;

} // namespace channeltest
