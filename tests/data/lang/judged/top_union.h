/* judge block union block */
union block { char buf[512]; struct { char name[100]; char mode[8]; } header; };
