// Build-time settings: the author's contact number and web site, and the
// partner site. Each has its one default here; a build may pass another with
// -D (for example -DTESSALY_AUTHOR_CONTACT_NUMBER=\"12345\").
#pragma once

#include <string_view>

#ifndef TESSALY_AUTHOR_CONTACT_NUMBER
#define TESSALY_AUTHOR_CONTACT_NUMBER "10000"
#endif
#ifndef TESSALY_AUTHOR_SITE_ADDRESS
#define TESSALY_AUTHOR_SITE_ADDRESS "http://tly.example/"
#endif
#ifndef TESSALY_AUTHOR_SITE_HOST
#define TESSALY_AUTHOR_SITE_HOST "tly.example"
#endif
#ifndef TESSALY_PARTNER_SITE_ADDRESS
#define TESSALY_PARTNER_SITE_ADDRESS "http://partner.example/"
#endif
#ifndef TESSALY_PARTNER_SITE_HOST
#define TESSALY_PARTNER_SITE_HOST "partner.example"
#endif

namespace tessaly {

constexpr std::string_view kAuthorContactNumber = TESSALY_AUTHOR_CONTACT_NUMBER;
constexpr std::string_view kAuthorSiteAddress = TESSALY_AUTHOR_SITE_ADDRESS;  // ends in a slash
constexpr std::string_view kAuthorSiteHost = TESSALY_AUTHOR_SITE_HOST;
constexpr std::string_view kPartnerSiteAddress = TESSALY_PARTNER_SITE_ADDRESS;  // ends in a slash
constexpr std::string_view kPartnerSiteHost = TESSALY_PARTNER_SITE_HOST;

}  // namespace tessaly
