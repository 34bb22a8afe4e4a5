*/ int x; */
