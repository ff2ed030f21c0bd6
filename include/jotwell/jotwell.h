// Jotwell: the whole exported interface.
#pragma once

#include <jotwell/export.h>
#include <jotwell/kitbase/exception.h>
#include <jotwell/kitbase/native.h>
#include <jotwell/kitbase/portable.h>
#include <jotwell/kitbase/xml.h>
#include <jotwell/simpletime.h>
#include <jotwell/importance.h>
#include <jotwell/config.h>
#include <jotwell/jotwell_init_exit.h>
#include <jotwell/context.h>
#include <jotwell/logger.h>
#include <jotwell/admin.h>
