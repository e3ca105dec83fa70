#pragma once

// HTTP authentication: reading a 401 challenge and answering it with an Authorization line.
#include "camhttp/http_authorization.h"
#include "camhttp/http_challenge.h"
