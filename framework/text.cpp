// Placeholder until its owner fills it.
