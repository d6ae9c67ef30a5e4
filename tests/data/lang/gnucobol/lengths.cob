       IDENTIFICATION DIVISION.
       PROGRAM-ID. LENGTHS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY "records.cpy".
       COPY "datarec.cpy".
       PROCEDURE DIVISION.
           DISPLAY "REC-A " LENGTH OF REC-A.
           DISPLAY "REC-B " LENGTH OF REC-B.
           DISPLAY "REC-C " LENGTH OF REC-C.
           DISPLAY "DATA-REC " LENGTH OF DATA-REC.
           STOP RUN.
