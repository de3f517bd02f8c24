#include "comments/CommentList.h"

QM_DEFINE_RECORD(CommentList, QM_FIELD(CommentList, commentArray))
