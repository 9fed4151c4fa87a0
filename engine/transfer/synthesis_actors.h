#pragma once
// The two synthesis rules that are tree patterns: the object particle "-wo"
// after a noun phrase that a verb follows, and the topic particle "ha" for
// the subject of the topic patterns.  Each returns whether it changed the
// tree.
#include "engine/parse/parsed_node.h"

bool ObjectParticleRule(PARSED_NODE* tree);
bool TopicRules(PARSED_NODE* tree);
