#pragma once

// Selects the service path of a request (QMDataProvider::urlForRequest). 0 to 34.
using QMRequestKind = int;
