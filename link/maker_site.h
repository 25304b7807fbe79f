#pragma once

// The maker's web site, where firmware upgrades are found; the old-firmware question of
// the send points the user there.
inline constexpr char MAKER_SITE_ADDRESS[] = "www.varidex625.example";
