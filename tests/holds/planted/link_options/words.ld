_ZNK12KeysHeldViewcviEv = 0;
