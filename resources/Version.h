// Version numbers and maker strings shared by every version resource.
#pragma once

#define ORLENTA_VERSION_MAJOR 1
#define ORLENTA_VERSION_MINOR 0
#define ORLENTA_VERSION_REVISION 0
#define ORLENTA_VERSION_TEXT "1.0.0.0"

#define ORLENTA_COMPANY "Orlenta Software"
#define ORLENTA_COPYRIGHT "Copyright (C) 2026 Orlenta Software"
// The maker's site and support address, separated by ", ".
#define ORLENTA_COMMENTS "https://orlenta.example.org, mailto:support@orlenta.example.org"
